// SPDX-License-Identifier: GPL-3.0-or-later
// The window as Windows shows it: a fixed-size frame without a maximise
// button, and fonts that hold the signs of the form's suffixes.
#include "MainWindow.h"

#include <QtTest>
#include <QtWidgets>

#include <windows.h>

class WindowStyleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanupTestCase() { delete window; }

    void frameIsFixed_data()
    {
        QTest::addColumn<qlonglong>("bit");
        QTest::addColumn<bool>("set");
        QTest::newRow("no maximise button") << qlonglong(WS_MAXIMIZEBOX) << false;
        QTest::newRow("a dialog frame") << qlonglong(WS_DLGFRAME) << true;
        QTest::newRow("a title bar") << qlonglong(WS_CAPTION) << true;
        QTest::newRow("a minimise button") << qlonglong(WS_MINIMIZEBOX) << true;
    }

    void frameIsFixed()
    {
        QFETCH(qlonglong, bit);
        QFETCH(bool, set);
        auto const handle = reinterpret_cast<HWND>(window->winId());
        LONG_PTR const style = GetWindowLongPtrW(handle, GWL_STYLE);
        QCOMPARE((style & bit) == bit, set);
    }

    // The form alone cannot be resized: its least and largest sizes are one.
    // (The frame keeps its border, since the preview docked beside it makes
    // the window resizable.)
    void sizeIsFixed() { QCOMPARE(window->minimumSize(), window->maximumSize()); }

    // Once shown and polished by the style, the window is tall enough for
    // every field: none is squeezed below the height it needs.
    void noFieldIsSqueezed()
    {
        QCoreApplication::processEvents();
        for (QWidget *field : window->centralWidget()->findChildren<QWidget *>()) {
            // The toolkit's own parts, such as a spin box's editor, are
            // sized by their box.
            if (!field->isVisible() || field->objectName().startsWith("qt_") ||
                !(qobject_cast<QAbstractSpinBox *>(field) ||
                                         qobject_cast<QComboBox *>(field) ||
                                         qobject_cast<QLineEdit *>(field) ||
                                         qobject_cast<QAbstractButton *>(field)))
                continue;
            QVERIFY2(field->height() >= field->minimumSizeHint().height(),
                     qPrintable(QString("%1: %2 < %3")
                                    .arg(field->objectName())
                                    .arg(field->height())
                                    .arg(field->minimumSizeHint().height())));
        }
    }

    void signsHaveGlyphs_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("inclination") << "doubleSpinBox_maxInclination"
                                     << "Segoe UI Symbol" << QStringLiteral("\u00b0");
        QTest::newRow("total mass") << "doubleSpinBox_totalMass"
                                    << "Segoe UI Symbol" << QStringLiteral(" M\u2299");
        QTest::newRow("planet's mass") << "doubleSpinBox_planetMass"
                                       << "Segoe UI Symbol" << QStringLiteral(" M\u2643");
    }

    void signsHaveGlyphs()
    {
        QFETCH(QString, widget);
        QFETCH(QString, family);
        QFETCH(QString, suffix);
        auto *box = window->findChild<QDoubleSpinBox *>(widget);
        QVERIFY(box);
        QCOMPARE(box->suffix(), suffix);
        QCOMPARE(box->font().family(), family);
        // The font the system resolves must draw every sign, not a box.
        QFontMetrics const metrics(box->font());
        for (QChar const sign : suffix)
            QVERIFY2(metrics.inFont(sign), qPrintable(QFontInfo(box->font()).family()));
        if (QFontDatabase().hasFamily(family))
            QCOMPARE(QFontInfo(box->font()).family(), family);
    }

private:
    MainWindow *window = nullptr;
};

QTEST_MAIN(WindowStyleTest)
#include "tst_windowstyle.moc"
