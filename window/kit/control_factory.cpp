#include "kit/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QTreeView>
#include <algorithm>
#include <climits>

#include "kit/core_text.h"
#include "kit/hyperlink.h"
#include "kit/key_button.h"
#include "kit/pictures.h"
#include "kit/result_box.h"
#include "kit/tooltips.h"
#include "kit/transparent_controls.h"
#include "kit/units.h"
#include "kit/virtual_list.h"

namespace zentova {
namespace {

bool Has(const ControlRow& row, unsigned option) {
    return (row.options & option) != 0;
}

// A multi-line box that refuses typing, pasting and dropping beyond its limit
// of characters, as a one-line box does; text set by the program is not cut.
class CPlainTextBox final : public QPlainTextEdit {
  public:
    CPlainTextBox(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const int typed =
            !text.isEmpty() && text.front().isPrint() ? static_cast<int>(text.size()) : 0;
        const int adding = newLine ? 1 : typed;
        if (adding > 0 && Room() < adding) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (limit_ <= 0 || !source->hasText()) {
            QPlainTextEdit::insertFromMimeData(source);
            return;
        }
        insertPlainText(source->text().left(std::max(0, Room())));
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (limit_ > 0 && event->commitString().size() > Room()) {
            QInputMethodEvent cut(event->preeditString(), event->attributes());
            cut.setCommitString(event->commitString().left(std::max(0, Room())),
                                event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&cut);
            return;
        }
        QPlainTextEdit::inputMethodEvent(event);
    }

  private:
    // Characters that may still be typed, the selection counting as free.
    int Room() const {
        if (limit_ <= 0) return INT_MAX;
        const int length = document()->characterCount() - 1;
        const int selected = static_cast<int>(textCursor().selectedText().size());
        return limit_ - (length - selected);
    }

    int limit_;
};

Qt::Alignment TextAlignment(const ControlRow& row) {
    const Qt::Alignment vertical = Has(row, option::kWrap) ? Qt::AlignTop : Qt::AlignVCenter;
    if (Has(row, option::kCentred)) return Qt::AlignHCenter | vertical;
    if (Has(row, option::kRightAligned)) return Qt::AlignRight | vertical;
    return Qt::AlignLeft | vertical;
}

QLineEdit* MakeLineEdit(const ControlRow& row, QWidget& parent) {
    QLineEdit* edit =
        row.kind == ControlKind::ReadOnlyEdit ? new CResultBox(&parent) : new QLineEdit(&parent);
    if (row.kind == ControlKind::DigitsEdit) {
        // Only what is typed or pasted is checked; the program may write a sign.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    if (row.maxLength > 0) edit->setMaxLength(row.maxLength);
    edit->setAlignment(TextAlignment(row));
    return edit;
}

QWidget* MakeMultiLine(const ControlRow& row, QWidget& parent) {
    QAbstractScrollArea* area = nullptr;
    const bool wrap = Has(row, option::kWrap);
    if (row.kind == ControlKind::RichText) {
        auto* rich = new QTextEdit(&parent);
        rich->setReadOnly(true);
        rich->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        rich->setTabChangesFocus(true);
        rich->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        area = rich;
    } else {
        auto* plain = new CPlainTextBox(row.maxLength, &parent);
        plain->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        plain->setTabChangesFocus(true);
        if (row.kind == ControlKind::ReadOnlyMultiLine) {
            plain->setReadOnly(true);
            plain->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
        }
        area = plain;
    }
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return area;
}

QWidget* MakeList(const ControlRow& row, QWidget& parent) {
    auto* list = new QListWidget(&parent);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollBarPolicy(
        Has(row, option::kHorizontalScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(Has(row, option::kNoSelection) ? QAbstractItemView::NoSelection
                                                          : QAbstractItemView::SingleSelection);
    list->setSortingEnabled(Has(row, option::kSorted));
    return list;
}

// A view over a model, so that a form with very many rows can show its own
// data without an item object per row; until it does, a model of the header
// alone.
QWidget* MakeListView(const ControlRow& row, QWidget& parent) {
    auto* view = new QTreeView(&parent);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAllColumnsShowFocus(true);
    view->header()->setSectionsClickable(false);
    view->header()->setSectionsMovable(false);
    view->header()->setStretchLastSection(false);
    QStringList captions;
    for (const ListColumn& column : row.columns)
        captions << CoreText(column.caption);
    auto* header = new QStandardItemModel(0, static_cast<int>(captions.size()), view);
    header->setHorizontalHeaderLabels(captions);
    view->setModel(header);
    for (int i = 0; i < static_cast<int>(row.columns.size()); ++i) {
        view->setColumnWidth(i, row.columns[static_cast<std::size_t>(i)].width);
    }
    return view;
}

QWidget* MakeUpDown(QWidget& parent) {
    auto* spin = new QSpinBox(&parent);
    spin->setRange(0, 0);
    // The arrows and the arrow keys change the number; typing does not.
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);
    return spin;
}

QWidget* MakeLabel(const ControlRow& row, QWidget& parent) {
    auto* label = new CTransparentStatic(&parent);
    label->setText(CoreText(row.caption));
    label->setAlignment(TextAlignment(row));
    label->setWordWrap(Has(row, option::kWrap));
    return label;
}

QWidget* MakeControl(const ControlRow& row, QWidget& parent, CDesktop& desktop) {
    const QString caption = CoreText(row.caption);
    switch (row.kind) {
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit:
        case ControlKind::DigitsEdit:
            return MakeLineEdit(row, parent);
        case ControlKind::MultiLineEdit:
        case ControlKind::ReadOnlyMultiLine:
        case ControlKind::RichText:
            return MakeMultiLine(row, parent);
        case ControlKind::List:
            return MakeList(row, parent);
        case ControlKind::ListView:
            return MakeListView(row, parent);
        case ControlKind::VirtualList:
            return new CVirtualList(&parent);
        case ControlKind::Combo: {
            // Plain list rows rather than the style's menu rows, as a drop-down
            // list box shows them; they are also low enough for its height.
            auto* combo = new QComboBox(&parent);
            combo->setItemDelegate(new QStyledItemDelegate(combo));
            return combo;
        }
        case ControlKind::UpDown:
            return MakeUpDown(parent);
        case ControlKind::Check:
            return new QCheckBox(caption, &parent);
        case ControlKind::Radio:
            return new QRadioButton(caption, &parent);
        case ControlKind::PushButton: {
            auto* button = new QPushButton(caption, &parent);
            button->setDefault(Has(row, option::kDefault));
            return button;
        }
        case ControlKind::Label:
            return MakeLabel(row, parent);
        case ControlKind::Group: {
            auto* group = new CTransparentButton(&parent);
            group->setTitle(caption);
            return group;
        }
        case ControlKind::Key: {
            auto* key =
                new CKeyButton(QStringLiteral(":/keys/key%1.svg").arg(row.id),
                               QStringLiteral(":/keys/key%1_down.svg").arg(row.id), &parent);
            key->setText(caption);
            return key;
        }
        case ControlKind::Link: {
            auto* link = new CHyperLink(desktop, &parent);
            link->setText(caption);
            link->setAlignment(TextAlignment(row));
            return link;
        }
        case ControlKind::Icon: {
            auto* icon = new QLabel(&parent);
            icon->setPixmap(PictureIcon(CoreText(picture::kAppIcon), {32, 32}).pixmap(32, 32));
            return icon;
        }
    }
    return new QWidget(&parent);
}

bool IsResultBox(ControlKind kind) {
    return kind == ControlKind::ReadOnlyEdit || kind == ControlKind::ReadOnlyMultiLine ||
           kind == ControlKind::RichText;
}

// The closed box keeps the height of one line; the rest of the row's height is
// the dropped list, which shows as many whole items as fit.
QRect PlaceCombo(QComboBox& combo, QRect dropped) {
    const int closed = combo.sizeHint().height();
    combo.addItem(QStringLiteral(" "));
    int item = combo.view()->sizeHintForRow(0);
    combo.clear();
    if (item <= 0) item = combo.fontMetrics().height();
    combo.setMaxVisibleItems(std::max(1, (dropped.height() - closed) / item));
    return {dropped.topLeft(), QSize(dropped.width(), closed)};
}

}  // namespace

QFont MakeFont(const FontSpec& face) {
    QFont font;
    QStringList families;
    for (const char* family : face.families)
        families << CoreText(family);
    font.setFamilies(families);
    font.setPixelSize(face.pixelSize);
    font.setWeight(static_cast<QFont::Weight>(face.weight));
    if (face.stretch != 100) font.setStretch(face.stretch);
    return font;
}

bool IsBox(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit:
        case ControlKind::DigitsEdit:
        case ControlKind::MultiLineEdit:
        case ControlKind::ReadOnlyMultiLine:
        case ControlKind::RichText:
        case ControlKind::List:
        case ControlKind::ListView:
        case ControlKind::VirtualList:
        case ControlKind::Combo:
        case ControlKind::UpDown:
            return true;
        default:
            return false;
    }
}

QString SpokenText(const QString& caption) {
    static const QRegularExpression kMnemonicSuffix(QStringLiteral("\\(&[^)]\\)"));
    QString text = caption;
    text.remove(kMnemonicSuffix);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) {
        text.chop(1);
    }
    return text.trimmed();
}

void SetCaption(QWidget& control, const QString& caption, const QString& spoken) {
    // The name goes first: setting it sends the screen reader a name-changed
    // event, and so does a button's new text, which then finds the new name
    // too (an explicit name hides the text from the screen reader).
    const QString name = spoken.isEmpty() ? SpokenText(caption) : spoken;
    if (control.accessibleName() != name) control.setAccessibleName(name);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        group->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(caption);
    }
}

ControlMap CreateControls(QWidget& parent, std::span<const ControlRow> rows, CDesktop& desktop) {
    ControlMap controls;
    const ControlRow* previous = nullptr;
    QLabel* previousLabel = nullptr;
    for (const ControlRow& row : rows) {
        QWidget* control = MakeControl(row, parent, desktop);
        QString name = CoreText(row.name);
        if (name.contains(QLatin1String("%1"))) name = name.arg(row.id);
        control->setObjectName(name);
        control->setProperty("controlId", row.id);
        if (row.font != nullptr) control->setFont(MakeFont(*row.font));

        QRect place = DluRect(row.x, row.y, row.width, row.height);
        if (auto* combo = qobject_cast<QComboBox*>(control)) place = PlaceCombo(*combo, place);
        control->setGeometry(place);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) FitTextIntoLowBox(*edit);

        QString spoken = CoreText(row.accessibleName);
        // Boxes take their name from a label before them; buttons carry their own.
        const bool labelled = previousLabel != nullptr && IsBox(row.kind);
        if (labelled) previousLabel->setBuddy(control);
        if (spoken.isEmpty())
            spoken = SpokenText(labelled ? CoreText(previous->caption) : CoreText(row.caption));
        control->setAccessibleName(spoken);

        if (row.tip != nullptr && *row.tip != '\0') {
            SetTip(control, CoreText(row.tip));
            control->setAccessibleDescription(CoreText(row.tip));
        }
        if (row.kind == ControlKind::Link && row.link != nullptr) {
            static_cast<CHyperLink*>(control)->Attach(kLinkColour, kLinkHoverColour,
                                                      CoreText(row.link));
        }
        if (Has(row, option::kHidden)) control->hide();
        if (IsResultBox(row.kind)) CopyWholeOnCtrlC(*control, desktop);
        if (auto* result = qobject_cast<CResultBox*>(control)) result->Settle();
        if (row.id != kNoControlId) controls.insert(row.id, control);

        previous = &row;
        previousLabel = row.kind == ControlKind::Label ? static_cast<QLabel*>(control) : nullptr;
    }
    return controls;
}

}  // namespace zentova
