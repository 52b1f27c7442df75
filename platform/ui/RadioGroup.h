#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace ui {

// A radio group as the windows were designed with: a captioned frame whose items
// stand in one column, spread evenly over its height, and an item index that is
// -1 while no item is chosen.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void Clear();
    void AddItem(const QString& text);
    // Replaces the items at once, with no item chosen.
    void SetItems(const QStringList& texts);
    int Count() const { return int(m_buttons.size()); }
    QString Item(int index) const;
    QRadioButton* Button(int index) const;

    int ItemIndex() const { return m_index; }
    void SetItemIndex(int index);

signals:
    // Another item was chosen, by mouse, keyboard or code; clearing the choice is silent.
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRadioButton* NewButton(const QString& text);
    void ArrangeButtons();
    void ButtonToggled(int id, bool checked);

    QButtonGroup* m_group = nullptr;
    QList<QRadioButton*> m_buttons;
    // The items as given; the buttons' captions escape their '&'.
    QStringList m_texts;
    int m_index = -1;
};

} // namespace ui
