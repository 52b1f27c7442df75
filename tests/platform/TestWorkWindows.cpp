// What every window gets from the shared set-up, whatever the machine's locale (the
// tests run under the C locale): Spanish texts and dates, the program's icon, Enter
// on the focused button, the fixed frame of a single-border window, the list colours.

#include "TestSupport.h"

#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFileIconProvider>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

namespace {

// The texts of a widget's push buttons.
QStringList ButtonTexts(const QWidget* widget)
{
    QStringList texts;
    for (const QPushButton* button : widget->findChildren<QPushButton*>())
        texts << button->text();
    return texts;
}

// A work window as the windows build theirs: set up, then its controls made.
QWidget* WorkWindow(ui::Border border)
{
    auto* form = new QWidget;
    ui::SetUpWorkWindow(form, ui::ApplicationObject(), border);
    for (const char* name : {"B_Siguiente", "B_Salir"}) {
        auto* button = new QPushButton(QString::fromLatin1(name), form);
        button->setObjectName(QString::fromLatin1(name));
    }
    form->findChild<QPushButton*>(QStringLiteral("B_Salir"))->move(100, 0);
    return form;
}

QColor ColorAt(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

} // namespace

class TestWorkWindows : public QObject
{
    Q_OBJECT

    QMdiArea* m_area = nullptr;

private slots:
    void init()
    {
        m_area = new QMdiArea;
        m_area->resize(1000, 800);
        m_area->show();
    }

    void cleanup()
    {
        ui::SetMdiArea(nullptr);
        delete m_area;
        ui::ReleaseApplicationObject();
    }

    void spanishWhateverTheMachine()
    {
        QVERIFY(qgetenv("LC_ALL").startsWith('C'));
        QCOMPARE(QLocale().name(), QStringLiteral("es_ES"));
        QCOMPARE(ui::ShortDateText(QDate(2024, 5, 2)), QStringLiteral("02/05/2024"));

        QMessageBox box(QMessageBox::Warning, QStringLiteral("DIMARVOLTECA"), QStringLiteral("x"),
                        QMessageBox::Ok);
        QCOMPARE(ButtonTexts(&box), QStringList{QStringLiteral("Aceptar")});

        QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Carpeta"));

        QPrintDialog print;
        QCOMPARE(print.windowTitle(), QStringLiteral("Imprimir"));

        // The calendar: Spanish month and day names, none cut in its narrow columns.
        QCalendarWidget calendar;
        calendar.setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar.setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
        calendar.resize(197, 154);
        calendar.setSelectedDate(QDate(2024, 12, 2));
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QCOMPARE(calendar.locale().monthName(12), QStringLiteral("diciembre"));
        auto* days = calendar.findChild<QTableView*>();
        QVERIFY(days);
        QStringList names;
        for (int column = 0; column < 7; ++column) {
            const QString name = days->model()->index(0, column).data().toString();
            names << name;
            QVERIFY2(days->fontMetrics().horizontalAdvance(name) < days->columnWidth(column),
                     qPrintable(name));
        }
        QCOMPARE(names.join(' '), QStringLiteral("lun mar mié jue vie sáb dom"));
    }

    void theProgramsIconOnEveryWindow()
    {
        const QImage icon = ui::ProgramIcon().pixmap(32).toImage();
        QVERIFY(!icon.isNull());
        QWidget* form = WorkWindow(ui::Border::Sizeable);
        ui::SetMdiArea(m_area);
        QMdiSubWindow* frame = ui::ShowMdiChild(form, QSize(300, 200));
        QMessageBox box;
        for (const QWidget* window :
             {static_cast<QWidget*>(frame), form, static_cast<QWidget*>(&box)})
            QCOMPARE(window->windowIcon().pixmap(32).toImage(), icon);
    }

    void aWorkWindow_data()
    {
        QTest::addColumn<bool>("inFrame");
        QTest::addColumn<bool>("single");
        QTest::addColumn<int>("key");
        QTest::newRow("in the frame, single, Return") << true << true << int(Qt::Key_Return);
        QTest::newRow("in the frame, sizeable, Enter") << true << false << int(Qt::Key_Enter);
        QTest::newRow("on its own, single, Return") << false << true << int(Qt::Key_Return);
    }

    // A single border keeps its frame's size, also when shown again without a size as a
    // wizard step comes back; Enter presses the focused button, not another.
    void aWorkWindow()
    {
        QFETCH(bool, inFrame);
        QFETCH(bool, single);
        QFETCH(int, key);
        if (inFrame)
            ui::SetMdiArea(m_area);
        QWidget* form = WorkWindow(single ? ui::Border::Single : ui::Border::Sizeable);
        ui::ShowMdiChild(form, QSize(400, 300));
        ui::HideMdiChild(form);
        ui::ShowMdiChild(form);
        QWidget* frame = ui::FrameOf(form);
        QCOMPARE(frame->size(), QSize(400, 300));
        QCOMPARE(frame->minimumSize() == frame->maximumSize(), single);

        QVERIFY(QTest::qWaitForWindowActive(form->window()));
        auto* siguiente = form->findChild<QPushButton*>(QStringLiteral("B_Siguiente"));
        QSignalSpy siguientePulsado(siguiente, &QPushButton::clicked);
        QSignalSpy salirPulsado(form->findChild<QPushButton*>(QStringLiteral("B_Salir")),
                                &QPushButton::clicked);
        siguiente->setFocus();
        QTest::keyClick(siguiente, Qt::Key(key));
        QCOMPARE(siguientePulsado.size(), 1);
        QCOMPARE(salirPulsado.size(), 0);
    }

    void aColouredListClosedAndOpen()
    {
        QComboBox list;
        list.addItems({QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres")});
        list.resize(300, 21);
        const QColor colour = ui::ListColor();
        ui::SetListColors(&list, colour);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(ColorAt(&list, QPoint(150, 10)), colour);
        QCOMPARE(list.palette().color(QPalette::Text), QColor(Qt::white));

        list.showPopup();
        QAbstractItemView* view = list.view();
        QTRY_VERIFY(view->isVisible());
        const QRect chosen = view->visualRect(view->model()->index(0, 0));
        const QRect other = view->visualRect(view->model()->index(2, 0));
        QCOMPARE(ColorAt(view->viewport(), other.center() + QPoint(100, 0)), colour);
        QCOMPARE(ColorAt(view->viewport(), chosen.center() + QPoint(100, 0)), ui::Navy());
        list.hidePopup();
    }
};

DIMARVOLTECA_TEST_MAIN(TestWorkWindows)
#include "TestWorkWindows.moc"
