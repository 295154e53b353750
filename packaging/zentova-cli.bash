# Bash completion of zentova-cli. The subcommands and options are read from
# the program's own help, so that this never falls behind it.
_zentova_cli() {
    local cur prev words cword
    _init_completion || return
    local command=$1 sub="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            -*) ;;
            *) sub=${words[i]}; break ;;
        esac
    done
    if [[ -z $sub ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W '$(_parse_help "$command")' -- "$cur"))
        else
            COMPREPLY=($(compgen -W '$("$command" --help 2>/dev/null |
                awk "/^Subcommands:/ {on = 1; next} on && NF {print \$1}")' -- "$cur"))
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '$(_parse_help "$command" "$sub --help")' -- "$cur"))
        return
    fi
    # A second word for the subcommands that have their own (matrix add, logic dnf, ...).
    local subs
    subs=$("$command" "$sub" --help 2>/dev/null |
        awk '/^Subcommands:/ {on = 1; next} on && NF {print $1}')
    [[ -n $subs ]] && COMPREPLY=($(compgen -W "$subs" -- "$cur"))
} && complete -F _zentova_cli zentova-cli
