#include "kit/virtual_list_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <utility>

#include "kit/virtual_list.h"

namespace zentova {
namespace {

// Item interfaces kept at once: several pages of a list, more than any
// screen reader holds on to between two questions.
constexpr std::size_t kKeptItems = 512;
// The most items a list of selected cells or rows holds: a selection of all
// 2^26 lines would be a list of that many interfaces. Below kKeptItems, so
// that every interface in the answer is still alive when it is read.
constexpr int kListedSelection = 256;

int AsInt(std::uint64_t value) {
    return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX));
}

class LineAccessible;

class ListAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit ListAccessible(CVirtualList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~ListAccessible() override { DropItems(); }

    CVirtualList* List() const { return static_cast<CVirtualList*>(widget()); }
    QAccessibleInterface* Item(std::uint64_t line) const;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return AsInt(List()->LineCount()); }
    QAccessibleInterface* child(int index) const override {
        return index < 0 ? nullptr : Item(static_cast<std::uint64_t>(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override {
        const CVirtualList* list = List();
        const QPoint point = list->viewport()->mapFromGlobal(QPoint(x, y));
        const std::uint64_t line = list->LineAt(point);
        return line == CVirtualList::kNoLine ? nullptr : Item(line);
    }
    QAccessibleInterface* focusChild() const override {
        const CVirtualList* list = List();
        if (!list->hasFocus() || list->CurrentLine() >= list->LineCount()) return nullptr;
        return Item(list->CurrentLine());
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiSelectable = true;
        state.extSelectable = true;
        return state;
    }

    // One column of rows, one row per line.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return column == 0 ? child(row) : nullptr;
    }
    int selectedCellCount() const override { return AsInt(List()->SelectedCount()); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override {
        return column == 0 ? List()->accessibleName() : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return isColumnSelected(0) ? 1 : 0; }
    int selectedRowCount() const override { return selectedCellCount(); }
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QList<int> selectedColumns() const override {
        return isColumnSelected(0) ? QList<int>{0} : QList<int>{};
    }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override {
        const CVirtualList* list = List();
        return column == 0 && list->LineCount() > 0 && list->SelectedCount() == list->LineCount();
    }
    bool isRowSelected(int row) const override {
        return row >= 0 && List()->IsSelected(static_cast<std::uint64_t>(row));
    }
    bool selectRow(int row) override {
        return row >= 0 && List()->SelectLine(static_cast<std::uint64_t>(row));
    }
    bool selectColumn(int column) override {
        if (column != 0) return false;
        List()->SelectAll();
        return true;
    }
    bool unselectRow(int row) override {
        return row >= 0 && List()->UnselectLine(static_cast<std::uint64_t>(row));
    }
    bool unselectColumn(int column) override {
        if (column != 0) return false;
        List()->ClearSelection();
        return true;
    }
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropItems(); }

  private:
    void DropItems() const {
        for (const auto& [line, id] : kept_)
            QAccessible::deleteAccessibleInterface(id);
        kept_.clear();
        index_.clear();
    }

    // The kept items, the most recently asked for first.
    mutable std::list<std::pair<std::uint64_t, QAccessible::Id>> kept_;
    mutable std::unordered_map<std::uint64_t, decltype(kept_)::iterator> index_;
    mutable std::uint64_t generation_ = 0;
};

// One line of the list. It is no QObject: the list's interface owns it
// through Qt's registry and deletes it when it drops it.
class LineAccessible final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
  public:
    LineAccessible(CVirtualList* list, std::uint64_t line)
        : list_(list), line_(line), generation_(list->Generation()) {}

    std::uint64_t Line() const { return line_; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isValid() const override {
        return list_ && list_->Generation() == generation_ && line_ < list_->LineCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* table = parent();
        return table != nullptr ? table->window() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text type) const override {
        if (!isValid() || type != QAccessible::Name) return {};
        return list_->Line(line_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect line = list_->LineRect(line_);
        if (line.isEmpty()) return {};
        QWidget* viewport = list_->viewport();
        return {viewport->mapToGlobal(line.topLeft()), line.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->IsSelected(line_);
        state.focused = list_->hasFocus() && list_->CurrentLine() == line_;
        if (list_->LineRect(line_).isEmpty()) state.offscreen = true;
        return state;
    }

    // The cell of a one-column table.
    bool isSelected() const override { return isValid() && list_->IsSelected(line_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return AsInt(line_); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Focusing a line makes it current and scrolls it into view, which is how
    // a screen reader moves through the list; toggling adds or removes it.
    QStringList actionNames() const override { return {setFocusAction(), toggleAction()}; }
    void doAction(const QString& name) override {
        if (!isValid()) return;
        if (name == setFocusAction()) {
            list_->setFocus(Qt::OtherFocusReason);
            list_->MoveCurrentTo(line_, false);
        } else if (name == toggleAction()) {
            if (list_->IsSelected(line_)) {
                list_->UnselectLine(line_);
            } else {
                list_->SelectLine(line_);
            }
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<CVirtualList> list_;
    std::uint64_t line_;
    std::uint64_t generation_;
};

QAccessibleInterface* ListAccessible::Item(std::uint64_t line) const {
    CVirtualList* list = List();
    if (list == nullptr || line >= list->LineCount()) return nullptr;
    if (generation_ != list->Generation()) {
        DropItems();
        generation_ = list->Generation();
    }
    if (const auto found = index_.find(line); found != index_.end()) {
        kept_.splice(kept_.begin(), kept_, found->second);
        return QAccessible::accessibleInterface(found->second->second);
    }
    if (kept_.size() >= kKeptItems) {
        QAccessible::deleteAccessibleInterface(kept_.back().second);
        index_.erase(kept_.back().first);
        kept_.pop_back();
    }
    auto* item = new LineAccessible(list, line);
    kept_.emplace_front(line, QAccessible::registerAccessibleInterface(item));
    index_.emplace(line, kept_.begin());
    return item;
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->role() != QAccessible::ListItem ||
        child->parent() != static_cast<const QAccessibleInterface*>(this)) {
        return -1;
    }
    const auto* line = dynamic_cast<const LineAccessible*>(child);
    return line != nullptr && line->isValid() ? AsInt(line->Line()) : -1;
}

QList<QAccessibleInterface*> ListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const CVirtualList* list = List();
    if (!list->HasSelection()) return cells;
    // The current line first when selected, then the run from its start.
    if (list->IsSelected(list->CurrentLine())) cells << Item(list->CurrentLine());
    for (std::uint64_t line = list->SelectionFirst();
         line <= list->SelectionLast() && cells.size() < kListedSelection; ++line) {
        if (line != list->CurrentLine()) cells << Item(line);
    }
    return cells;
}

QList<int> ListAccessible::selectedRows() const {
    QList<int> rows;
    const CVirtualList* list = List();
    if (!list->HasSelection()) return rows;
    for (std::uint64_t line = list->SelectionFirst();
         line <= list->SelectionLast() && rows.size() < kListedSelection; ++line) {
        rows << AsInt(line);
    }
    return rows;
}

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("zentova::CVirtualList")) return nullptr;
    auto* list = qobject_cast<CVirtualList*>(object);
    return list != nullptr ? new ListAccessible(list) : nullptr;
}

}  // namespace

void InstallVirtualListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace zentova
