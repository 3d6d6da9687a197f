#include "desktop/control_widgets.h"

#include "desktop/artwork.h"
#include "desktop/control_events.h"
#include "desktop/folder_list_widget.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/list_box_widget.h"
#include "form/control.h"
#include "form/file_controls.h"
#include "form/list_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace xj {

void ClickableLabel::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click) emit clicked();
}

namespace {

QColor qcolor(const Color& c) {
    return QColor(c.r, c.g, c.b);
}

void setColours(QWidget* w, const Control& c, std::initializer_list<QPalette::ColorRole> fore,
                std::initializer_list<QPalette::ColorRole> back) {
    QPalette pal = w->palette();
    const QColor fg = qcolor(c.ForeColor), bg = qcolor(c.BackColor);
    bool changed = false;
    for (auto role : fore)
        if (pal.color(role) != fg) pal.setColor(role, fg), changed = true;
    for (auto role : back)
        if (pal.color(role) != bg) pal.setColor(role, bg), changed = true;
    if (changed) w->setPalette(pal);
}

// Its click reaches the handler through the control's event forwarder.
QWidget* createButton(CommandButton& b, const QString& window, QWidget* parent) {
    QAbstractButton* button;
    if (b.Picture) {
        auto* tool = new QToolButton(parent);
        tool->setIcon(artwork::buttonIcon(window, b.Name));
        button = tool;
    } else {
        button = new QPushButton(parent);
    }
    return button;
}

// Writes the user's value into the control, then runs its slot (if bound), as one event. Nothing
// happens once the control is gone.
template <class Value>
void forwardValue(FrontEnd& front, const EventSlots& handlers, Value& into, const Value& value,
                  std::function<void()> ControlEvents::*slot) {
    const std::shared_ptr<const ControlEvents> events = handlers.lock();
    if (!events) return;
    front.forward([&] {
        into = value;
        if ((*events).*slot) ((*events).*slot)();
    });
}

// An editable type box. Text written into it is a change, whether typed or set through the
// accessibility bus (which sets it without a keystroke); choosing from the list is a click.
class TypeBox : public QComboBox {
public:
    TypeBox(ComboBox& combo, FrontEnd& front, QWidget* parent) : QComboBox(parent) {
        const EventSlots handlers = combo.eventSlots();
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        // The model holds the text: no completion of its own.
        setCompleter(nullptr);
        connect(this, &QComboBox::currentIndexChanged, this, [this](int i) { index_ = i; });
        connect(lineEdit(), &QLineEdit::textChanged, this,
                [this, &front, &combo, handlers](const QString& text) {
                    // The box writes a chosen item's text once it stands on that item, before
                    // it tells of the move: that text is the choice, which `activated` brings.
                    if (front.syncing() || currentIndex() != index_ || handlers.expired() ||
                        text == combo.Text)
                        return;
                    forwardValue(front, handlers, combo.Text, text, &ControlEvents::onChange);
                });
        connect(this, &QComboBox::activated, this, [this, &front, &combo, handlers](int i) {
            if (!front.syncing())
                forwardValue(front, handlers, combo.Text, itemText(i), &ControlEvents::onClick);
        });
    }

private:
    int index_ = -1; // the item the box last told of
};

QWidget* createDriveList(DriveListBox& drive, FrontEnd& front, QWidget* parent) {
    auto* box = new QComboBox(parent);
    QObject::connect(box, &QComboBox::currentTextChanged, box,
                     [&front, &drive, handlers = drive.eventSlots()](const QString& text) {
                         if (!front.syncing() && !handlers.expired() && text != drive.Drive)
                             forwardValue(front, handlers, drive.Drive, text,
                                          &ControlEvents::onChange);
                     });
    return box;
}

QWidget* createFileList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    // A preview: nothing to choose in it.
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setUniformItemSizes(true);
    return list;
}

// The application's style, except that a left click on a scroll bar's track jumps there.
class AbsoluteClickStyle : public QProxyStyle {
public:
    explicit AbsoluteClickStyle(QObject* owner) { setParent(owner); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_ScrollBar_LeftClickAbsolutePosition) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QWidget* createScrollBar(HScrollBar& bar, FrontEnd& front, QWidget* parent) {
    auto* scroll = new QScrollBar(Qt::Horizontal, parent);
    // A click on the track puts the handle there, as a volume slider does.
    scroll->setStyle(new AbsoluteClickStyle(scroll));
    QObject::connect(scroll, &QScrollBar::valueChanged, scroll,
                     [&front, &bar, handlers = bar.eventSlots()](int value) {
                         if (front.syncing() || handlers.expired() || value == bar.Value) return;
                         forwardValue(front, handlers, bar.Value, value, &ControlEvents::onChange);
                     });
    return scroll;
}

} // namespace

QWidget* createControlWidget(Control& c, const QString& window, FrontEnd& front, QWidget* parent) {
    QWidget* w;
    QWidget* mouseArea = nullptr;
    if (auto* b = dynamic_cast<CommandButton*>(&c)) {
        w = createButton(*b, window, parent);
    } else if (dynamic_cast<Label*>(&c)) {
        auto* label = new ClickableLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        QObject::connect(label, &ClickableLabel::clicked, label,
                         [&front, handlers = c.eventSlots()] {
                             forwardEvent(front, handlers, &ControlEvents::onClick);
                         });
        w = label;
    } else if (auto* list = dynamic_cast<ListBox*>(&c)) {
        auto* view = new ListBoxWidget(*list, front, parent);
        mouseArea = view->viewport();
        w = view;
    } else if (auto* combo = dynamic_cast<ComboBox*>(&c)) {
        w = new TypeBox(*combo, front, parent);
    } else if (auto* drive = dynamic_cast<DriveListBox*>(&c)) {
        w = createDriveList(*drive, front, parent);
    } else if (auto* folders = dynamic_cast<DirListBox*>(&c)) {
        w = new FolderListWidget(*folders, front, parent);
    } else if (dynamic_cast<FileListBox*>(&c)) {
        w = createFileList(parent);
    } else if (auto* bar = dynamic_cast<HScrollBar*>(&c)) {
        w = createScrollBar(*bar, front, parent);
    } else {
        w = new QWidget(parent);
    }
    w->setObjectName(c.Name);
    new EventForwarder(front, c, w, mouseArea ? mouseArea : w);
    mirrorControl(c, w);
    return w;
}

namespace {

void setListItems(QListWidget* list, const QStringList& items) {
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = list->item(i)->text() == items[i];
    if (same) return;
    list->clear();
    list->addItems(items);
}

// What a screen reader calls a control that shows no text of its own: the playlist by what it
// is (its tooltip follows the highlighted entry), the slider by its tooltip.
QString spokenName(const Control& c) {
    if (c.Name == QLatin1String("List1")) return QString::fromUtf8("目录表");
    return c.ToolTipText.isEmpty() ? QString::fromUtf8("音量") : c.ToolTipText;
}

void setComboItems(QComboBox* box, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown == items) return;
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    if (box->isEditable()) box->setEditText(text);
}

} // namespace

void mirrorControl(const Control& c, QWidget* w) {
    const QRect r = geometry::controlRect(c);
    if (w->geometry() != r) w->setGeometry(r);
    if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
    if (w->toolTip() != c.ToolTipText) w->setToolTip(c.ToolTipText);

    QString name = c.Caption;
    if (auto* b = dynamic_cast<const CommandButton*>(&c)) {
        if (b->Picture) {
            name = c.ToolTipText;
            const int side = std::max(1, std::min(r.width(), r.height()) - 4);
            auto* tool = static_cast<QToolButton*>(w);
            if (tool->iconSize() != QSize(side, side)) tool->setIconSize(QSize(side, side));
        } else {
            auto* push = static_cast<QPushButton*>(w);
            if (push->text() != c.Caption) push->setText(c.Caption);
        }
    } else if (dynamic_cast<const Label*>(&c)) {
        auto* label = static_cast<QLabel*>(w);
        if (label->text() != c.Caption) label->setText(c.Caption);
        setColours(w, c, {QPalette::WindowText}, {QPalette::Window});
    } else if (dynamic_cast<const ListBox*>(&c)) {
        static_cast<ListBoxWidget*>(w)->mirror();
        setColours(w, c, {QPalette::Text}, {QPalette::Base});
        name = spokenName(c);
    } else if (auto* combo = dynamic_cast<const ComboBox*>(&c)) {
        auto* box = static_cast<QComboBox*>(w);
        setComboItems(box, QStringList(combo->items.begin(), combo->items.end()));
        if (box->currentText() != combo->Text) box->setEditText(combo->Text);
        setColours(w, c, {QPalette::Text, QPalette::ButtonText},
                   {QPalette::Base, QPalette::Button});
    } else if (auto* drive = dynamic_cast<const DriveListBox*>(&c)) {
        auto* box = static_cast<QComboBox*>(w);
        QStringList texts;
        for (const DriveInfo& d : drive->drives)
            texts << d.text;
        setComboItems(box, texts);
        const int current = static_cast<int>(texts.indexOf(drive->Drive));
        if (box->currentIndex() != current) box->setCurrentIndex(current);
        setColours(w, c, {QPalette::Text, QPalette::ButtonText},
                   {QPalette::Base, QPalette::Button});
    } else if (dynamic_cast<const DirListBox*>(&c)) {
        static_cast<FolderListWidget*>(w)->mirror();
        setColours(w, c, {QPalette::Text}, {QPalette::Base});
    } else if (auto* files = dynamic_cast<const FileListBox*>(&c)) {
        setListItems(static_cast<QListWidget*>(w), files->names);
        setColours(w, c, {QPalette::Text}, {QPalette::Base});
    } else if (auto* bar = dynamic_cast<const HScrollBar*>(&c)) {
        auto* scroll = static_cast<QScrollBar*>(w);
        if (scroll->minimum() != bar->Min || scroll->maximum() != bar->Max)
            scroll->setRange(bar->Min, bar->Max);
        if (scroll->value() != bar->Value) scroll->setValue(bar->Value);
        if (scroll->singleStep() != bar->SmallChange) scroll->setSingleStep(bar->SmallChange);
        if (scroll->pageStep() != bar->LargeChange) scroll->setPageStep(bar->LargeChange);
        name = spokenName(c);
    }

    if (w->accessibleName() != name) w->setAccessibleName(name);
    if (w->accessibleDescription() != c.ToolTipText) w->setAccessibleDescription(c.ToolTipText);
    // Last, so a widget shown is already in place.
    if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
}

} // namespace xj
