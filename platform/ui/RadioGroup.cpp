#include "RadioGroup.h"

#include "TextoPlano.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>

namespace ui {

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent)
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, &TRadioGroup::ButtonToggled);
}

void TRadioGroup::Clear()
{
    m_index = -1;
    for (QRadioButton* button : std::as_const(m_buttons)) {
        m_group->removeButton(button);
        delete button;
    }
    m_buttons.clear();
    m_texts.clear();
}

void TRadioGroup::AddItem(const QString& text)
{
    QRadioButton* button = NewButton(text);
    ArrangeButtons();
    button->show();
}

QRadioButton* TRadioGroup::NewButton(const QString& text)
{
    // An item is a stored text: a '&' in it shows as itself, not as a shortcut.
    auto* button = new QRadioButton(SinAtajos(text), this);
    m_group->addButton(button, int(m_buttons.size()));
    m_buttons.append(button);
    m_texts.append(text);
    return button;
}

void TRadioGroup::SetItems(const QStringList& texts)
{
    setUpdatesEnabled(false);
    Clear();
    for (const QString& text : texts)
        NewButton(text);
    ArrangeButtons();
    for (QRadioButton* button : std::as_const(m_buttons))
        button->show();
    setUpdatesEnabled(true);
}

QString TRadioGroup::Item(int index) const
{
    return m_texts.value(index);
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= m_buttons.size()) {
        // No button of an exclusive group can be unticked directly.
        if (m_index == -1)
            return;
        m_group->setExclusive(false);
        m_buttons.at(m_index)->setChecked(false);
        m_group->setExclusive(true);
        m_index = -1;
        return;
    }
    m_buttons.at(index)->setChecked(true);
}

void TRadioGroup::ButtonToggled(int id, bool checked)
{
    if (!checked || id == m_index)
        return;
    m_index = id;
    emit Click();
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TRadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ArrangeButtons();
}

void TRadioGroup::ArrangeButtons()
{
    const int count = int(m_buttons.size());
    if (count == 0)
        return;
    // One column: the height under the caption is shared evenly, the remainder split
    // above and below.
    const int caption = QFontMetrics(font()).height();
    const int room = qMax(0, height() - caption - 5);
    const int step = room / count;
    const int topMargin = caption + 1 + (room % count) / 2;
    for (int i = 0; i < count; ++i)
        m_buttons.at(i)->setGeometry(8, topMargin + i * step, qMax(0, width() - 10), step);
}

} // namespace ui
