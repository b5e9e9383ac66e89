#include "platform/ui/screen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "common/amount.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/choice_list.h"

namespace nencho {

namespace {

// A control Tab stops at, or a frame whose controls it runs through together.
struct TabStop {
    QRect place;  // in its parent's coordinates; a frame's is where its first control stands
    std::vector<QWidget*> controls;
};

bool takesTab(QWidget* widget) {
    if (widget->isWindow() || !(widget->focusPolicy() & Qt::TabFocus)) return false;
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QGroupBox*>(widget)) return false;
    // Hidden carriers, which only code writes and presses, stand out of the way.
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
             widget->testAttribute(Qt::WA_WState_Hidden));
}

std::vector<QWidget*> readingOrder(QWidget* container) {
    std::vector<TabStop> stops;
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow()) continue;
        if (auto* box = qobject_cast<QLineEdit*>(widget); box && box->isReadOnly())
            box->setFocusPolicy(Qt::ClickFocus);
        if (takesTab(widget)) {
            stops.push_back({widget->geometry(), {widget}});
            continue;
        }
        // A control made of parts (a list, a drop-down) is one stop; only frames hold others.
        if (!qobject_cast<QGroupBox*>(widget) && widget->metaObject() != &QWidget::staticMetaObject)
            continue;
        std::vector<QWidget*> inside = readingOrder(widget);
        if (inside.empty()) continue;
        const QWidget* first = inside.front();
        stops.push_back(
            {QRect(first->mapTo(container, QPoint(0, 0)), first->size()), std::move(inside)});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const TabStop& a, const TabStop& b) {
        return a.place.top() < b.place.top();
    });
    // A row: the stops whose tops lie above the middle of the row's first (highest) stop.
    std::vector<QWidget*> order;
    for (auto row = stops.begin(); row != stops.end();) {
        const int middle = row->place.top() + row->place.height() / 2;
        auto end = std::find_if(
            row, stops.end(), [middle](const TabStop& stop) { return stop.place.top() >= middle; });
        std::stable_sort(row, end, [](const TabStop& a, const TabStop& b) {
            return a.place.left() < b.place.left();
        });
        for (auto stop = row; stop != end; ++stop)
            order.insert(order.end(), stop->controls.begin(), stop->controls.end());
        row = end;
    }
    return order;
}

}  // namespace

Screen::Screen(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QWidget* Screen::controlWidget(const QString& name) const {
    return control<QWidget>(name);
}

bool Screen::hasControl(const QString& name) const {
    return findControl(name) != nullptr;
}

QWidget* Screen::findControl(const QString& name) const {
    if (!mapped_) {
        mapped_ = true;
        QHash<QString, int> seen;
        for (QWidget* widget : findChildren<QWidget*>()) {
            const QString& own = widget->objectName();
            if (!own.isEmpty() && ++seen[own] == 1 && !controls_.contains(own))
                controls_.insert(own, widget);
        }
        // A name two widgets share stands for the one a search by name finds first.
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            if (it.value() > 1) controls_.insert(it.key(), findChild<QWidget*>(it.key()));
    }
    if (const auto it = controls_.constFind(name); it != controls_.cend()) {
        QWidget* known = *it;
        if (known && known->objectName() == name) return known;
    }
    // A control made after the map, or one renamed: searched for once.
    QWidget* found = findChild<QWidget*>(name);
    if (found)
        controls_.insert(name, found);
    else
        controls_.remove(name);
    return found;
}

void Screen::missingControl(const QString& name) const {
    throw std::logic_error(("no control " + objectName() + "." + name).toStdString());
}

QString Screen::textOf(const QString& name) const {
    return textIn(controlWidget(name));
}

// A name given as characters (the controls' names are ASCII) is spelled into one text kept for
// the purpose, whose room the next name reuses: a person switch names hundreds of controls so.
QWidget* Screen::controlNamed(const char* name) const {
    static QString spelled;
    spelled = QLatin1StringView(name);
    return controlWidget(spelled);
}

QString Screen::textOf(const char* name) const {
    return textIn(controlNamed(name));
}

void Screen::setTextOf(const char* name, const QString& text) {
    setTextIn(controlNamed(name), text);
}

QString Screen::textIn(const QWidget* widget) {
    if (auto* box = qobject_cast<const QLineEdit*>(widget)) return box->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    if (auto* list = qobject_cast<const QListWidget*>(widget))
        return list->currentItem() ? list->currentItem()->text() : QString();
    return {};
}

void Screen::setTextOf(const QString& name, const QString& text) {
    setTextIn(controlWidget(name), text);
}

void Screen::setTextIn(QWidget* widget, const QString& text) {
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        // A box that already holds the text, untouched since it was set, would come out of
        // setText as it went in; a screen's clear writes most of its boxes so.
        if (box->text() == text && !box->isModified() && !box->isUndoAvailable() &&
            !box->isRedoAvailable() && !box->hasSelectedText() &&
            box->cursorPosition() == text.size())
            return;
        box->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(text);
    else
        throw std::logic_error(
            ("no text in " + objectName() + "." + widget->objectName()).toStdString());
}

std::int32_t Screen::amountOf(const QString& name) const {
    return readAmountOrZero(textOf(name).toStdString());
}

void Screen::showAmount(const QString& name, std::int64_t yen) {
    setTextOf(name, QString::fromStdString(formatAmount(yen)));
}

void Screen::press(const QString& name) {
    auto* button = control<QAbstractButton>(name);
    emit button->clicked(false);
}

void Screen::switchOptionOff(const QString& name) {
    auto* option = control<QRadioButton>(name);
    const bool exclusive = option->autoExclusive();
    const bool blocked = option->blockSignals(true);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
    option->blockSignals(blocked);
}

void Screen::place(QWidget* widget, const QString& name, int left, int top, int width, int height,
                   QWidget* parent) {
    widget->setParent(parent ? parent : this);
    widget->setObjectName(name);
    if (!controls_.contains(name)) controls_.insert(name, widget);
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

QLineEdit* Screen::addText(const QString& name, int left, int top, int width, int height,
                           QWidget* parent) {
    auto* box = new QLineEdit;
    place(box, name, left, top, width, height, parent);
    return box;
}

QLabel* Screen::addLabel(const QString& name, const QString& caption, int left, int top, int width,
                         int height, QWidget* parent) {
    auto* label = new QLabel(caption);
    place(label, name, left, top, width, height, parent);
    return label;
}

QPushButton* Screen::addButton(const QString& name, const QString& caption, int left, int top,
                               int width, int height, std::function<void()> action,
                               QWidget* parent) {
    auto* button = new QPushButton(caption);
    place(button, name, left, top, width, height, parent);
    button->setAutoDefault(false);
    if (action) connectPress(button, std::move(action));
    return button;
}

QRadioButton* Screen::addOption(const QString& name, const QString& caption, int left, int top,
                                int width, int height, QWidget* parent) {
    auto* option = new QRadioButton(caption);
    place(option, name, left, top, width, height, parent);
    return option;
}

QCheckBox* Screen::addCheck(const QString& name, const QString& caption, int left, int top,
                            int width, int height, QWidget* parent) {
    auto* check = new QCheckBox(caption);
    place(check, name, left, top, width, height, parent);
    return check;
}

QGroupBox* Screen::addFrame(const QString& name, const QString& caption, int left, int top,
                            int width, int height, QWidget* parent) {
    auto* frame = new QGroupBox(caption);
    place(frame, name, left, top, width, height, parent);
    return frame;
}

QListWidget* Screen::addList(const QString& name, int left, int top, int width, int height,
                             QWidget* parent) {
    auto* list = new ChoiceList;
    place(list, name, left, top, width, height, parent);
    // Every row is one line of text in the list's face: sizing one row sizes them all, where a
    // list of a thousand companies would otherwise measure each.
    list->setUniformItemSizes(true);
    return list;
}

QLineEdit* Screen::addHiddenText(const QString& name, QWidget* parent) {
    QLineEdit* box = addText(name, 0, 0, 1000, 300, parent);
    box->hide();
    return box;
}

QPushButton* Screen::addHiddenButton(const QString& name, const QString& caption,
                                     std::function<void()> action, QWidget* parent) {
    QPushButton* button = addButton(name, caption, 0, 0, 1000, 300, std::move(action), parent);
    button->hide();
    return button;
}

void Screen::onPress(const QString& name, std::function<void()> action) {
    connectPress(control<QAbstractButton>(name), std::move(action));
}

void Screen::connectPress(QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [this, button, action = std::move(action)] {
        runGuarded(actionTitle(button), action);
    });
}

void Screen::onChoice(const QString& listName, std::function<void(int row)> action) {
    auto* list = control<ChoiceList>(listName);
    connect(list, &ChoiceList::rowChosen, this, [this, action = std::move(action)](int row) {
        runHandlerGuarded(windowTitle(), [&] { action(row); });
    });
}

void Screen::onSwitch(const QString& name, std::function<void(bool on)> action) {
    auto* button = control<QAbstractButton>(name);
    connect(button, &QAbstractButton::toggled, this,
            [this, button, action = std::move(action)](bool on) {
                runGuarded(actionTitle(button), [&] { action(on); });
            });
}

QString Screen::actionTitle(const QAbstractButton* button) const {
    const QString caption = button->text().simplified();
    return caption.isEmpty() ? windowTitle() : caption;
}

void Screen::showsUpTo(QWidget* control, const QString& longest) {
    control->setProperty(kLongestValueProperty, longest);
}

QString longestAmountText() {
    return QString::fromStdString(formatAmount(kLongestShownAmount));
}

QLineEdit* Screen::amountBox(QLineEdit* box) {
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showsUpTo(box, longestAmountText());
    return box;
}

QString fullWidthText(int characters) {
    return QString(characters, QChar(0x56FD));  // 国: one em, as every kanji
}

void Screen::showEvent(QShowEvent* event) {
    if (!tabOrderArranged_ && !ownTabOrder_) arrangeTabOrder();
    tabOrderArranged_ = true;
    QWidget::showEvent(event);
}

// The hide of the program (not the window system's, when the window is minimised) keeps the
// frame's place; the window system still knows the frame at this point.
void Screen::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) keptPlace_ = frameGeometry().topLeft();
    QWidget::hideEvent(event);
}

void Screen::arrangeTabOrder() {
    const std::vector<QWidget*> order = readingOrder(this);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

QPushButton* Screen::captionButton(QPushButton* button) {
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void Screen::setDesignSize(int width, int height) {
    resize(twipsToPixels(width), twipsToPixels(height));
}

}  // namespace nencho
