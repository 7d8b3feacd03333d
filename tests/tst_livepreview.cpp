// SPDX-License-Identifier: GPL-3.0-or-later
// The preview beside the form: it follows every change after a pause, keeps
// its place between sessions, zooms and pans with the mouse; and recipes
// come in by a drop or by name as by the menu.
#include "PreviewWindow.h"
#include "Recipe.h"
#include "WindowFixture.h"

class LivePreviewTest : public WindowFixture {
    Q_OBJECT

    PreviewWindow *preview = nullptr;

    bool shown() const { return !preview->busy() && preview->shownPreview(); }
    PlotView *plot() const { return preview->findChild<PlotView *>("plotView"); }

    // Opens the preview with a seed and waits for its first picture.
    bool openPreview()
    {
        preview = window->showPreview();
        preview->setSeed(5489);
        return QTest::qWaitFor([this] { return shown(); }, 30000);
    }

    QString writeRecipe(QString const &name, std::uint32_t number, std::uint32_t seed,
                        Looks::Composition composition = Looks::Composition::None)
    {
        Recipe recipe;
        recipe.settings = Settings(Settings::OortCloud);
        recipe.settings.populations.front().looks.composition = composition;
        recipe.settings.number = number;
        recipe.seed = seed;
        QString const path = dir.filePath(name);
        ::writeRecipe(path.toStdString(), recipe);
        return path;
    }

    // Drags the file over the window and drops it; whether the window took it.
    bool drop(QString const &path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QPoint const at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        openWindow();
    }
    void cleanup() { closeWindow(); }

    // Keys typed faster than the pause make one picture, of the last value.
    void burstOfChangesDrawsOnce()
    {
        QVERIFY(openPreview());
        std::uint64_t const before = preview->requests();
        auto *number = w<QSpinBox>("spinBox_number");
        number->selectAll();
        for (char const *digit : {"1", "2", "3", "4"}) {
            QTest::keyClicks(number, digit);
            QTest::qWait(20);
        }
        QCOMPARE(number->value(), 1234);
        QTRY_VERIFY_WITH_TIMEOUT(shown(), 30000);
        QCOMPARE(preview->requests(), before + 1);
        QCOMPARE(preview->shownPreview()->bodyCount(), std::size_t(1234));
    }

    // Every setting reaches the picture, the planet's and the distributions'
    // too, not only those of the first form.
    void previewFollowsEverySetting_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("the planet") << "checkBox_planet";
        QTest::newRow("a cleared orbit") << "checkBox_clearedOrbit";
    }
    void previewFollowsEverySetting()
    {
        QFETCH(QString, box);
        w<QCheckBox>("checkBox_planet")->setChecked(box != "checkBox_planet");
        QVERIFY(openPreview());
        std::uint64_t const before = preview->requests();
        auto *check = w<QCheckBox>(qPrintable(box));
        check->setChecked(!check->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(preview->requests() == before + 1 && shown(), 30000);
    }

    // Shown at first, beside a window that can then be resized; hidden, the
    // form alone is fixed again; the next session starts as the last ended.
    void layoutIsKeptBetweenSessions()
    {
        QString const store = dir.filePath("layout.ini");
        auto keep = [&] {
            window->keepLayoutIn(std::make_unique<QSettings>(store, QSettings::IniFormat));
        };
        keep();
        auto *dock = w<QDockWidget>("dock_preview");
        QVERIFY(dock && dock->isVisible());
        QVERIFY(window->minimumSize() != window->maximumSize());
        QVERIFY(dock->width() >= dock->minimumSizeHint().width());
        QVERIFY(w<QWidget>("centralwidget")->width() >=
                w<QWidget>("centralwidget")->minimumSizeHint().width());
        w<QAction>("action_preview")->trigger();
        QVERIFY(!dock->isVisible());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        window->close();

        openWindow();
        keep();
        QVERIFY(!window->findChild<QDockWidget *>("dock_preview"));
        w<QAction>("action_preview")->trigger();
        window->close();
        openWindow();
        keep();
        QVERIFY(w<QDockWidget>("dock_preview")->isVisible());
    }

    // Widened for the preview, the window moves back onto the screen, as far
    // as its left edge allows.
    void dockedWindowStaysOnTheScreen()
    {
        QRect const screen = window->screen()->availableGeometry();
        window->move(screen.left() + 200, screen.top());
        QVERIFY(openPreview());
        QRect const frame = window->frameGeometry();
        if (frame.width() > screen.width())
            QCOMPARE(frame.left(), screen.left());
        else
            QVERIFY2(frame.right() <= screen.right(), qPrintable(QString::number(frame.right())));
    }

    // The wheel zooms the panel under the pointer about it, a drag moves it,
    // a double-click shows every panel whole.
    void wheelZoomsAndDoubleClickResets()
    {
        QVERIFY(openPreview());
        PlotView *view = plot();
        view->grab(); // lays the panels out
        BeltPlot::Place const whole = view->places()[BeltPlot::Eccentricity];
        QPoint const at = whole.frame.center().toPoint();
        QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        auto const zoomed = view->views()[BeltPlot::Eccentricity];
        QVERIFY(zoomed);
        double const width = whole.x.high - whole.x.low;
        QVERIFY(std::fabs((zoomed->xHigh - zoomed->xLow) - width * 0.64) < width * 1e-9);
        double const middle = (whole.x.low + whole.x.high) / 2;
        QVERIFY(zoomed->xLow < middle && zoomed->xHigh > middle);
        QVERIFY(!view->views()[BeltPlot::TopView]);

        view->grab();
        QTest::mousePress(view, Qt::LeftButton, {}, at);
        // A move event of its own: the test library's only moves the pointer.
        QMouseEvent move(QEvent::MouseMove, at + QPoint(30, 0), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at + QPoint(30, 0));
        auto const moved = view->views()[BeltPlot::Eccentricity];
        QVERIFY(moved && moved->xLow < zoomed->xLow);
        QCOMPARE(moved->xHigh - moved->xLow, zoomed->xHigh - zoomed->xLow);

        QTest::mouseDClick(view, Qt::LeftButton, {}, at);
        QVERIFY(!view->views()[BeltPlot::Eccentricity]);
    }

    // Colours by surface can be chosen only for a belt with a composition;
    // the choice stays for the next belt that has one.
    void surfaceColoursOnlyWithLooks()
    {
        QVERIFY(openPreview());
        auto *box = preview->findChild<QComboBox *>("comboBox_previewColours");
        for (bool looks : {true, false, true}) {
            std::uint64_t const before = preview->requests();
            window->openRecipe(writeRecipe("looks.belt", 300, 7,
                                           looks ? Looks::Composition::MainBelt
                                                 : Looks::Composition::None));
            QTRY_VERIFY_WITH_TIMEOUT(preview->requests() > before && shown(), 30000);
            QCOMPARE(box->isEnabled(), looks);
            box->setCurrentIndex(1);
            BeltPlot::Colours const expected =
                looks ? BeltPlot::Colours::Looks : BeltPlot::Colours::Populations;
            QCOMPARE(plot()->colours(), expected);
            QCOMPARE(preview->colours(), expected);
        }
    }

    // A recipe dropped on the window opens as File > Open Recipe opens it,
    // with the same message when it cannot be read.
    void droppedRecipeOpens()
    {
        QVERIFY(drop(writeRecipe("dropped.belt", 321, 77)));
        QCOMPARE(window->formSettings().number, 321u);
        auto *shownPreview = window->findChild<PreviewWindow *>();
        QVERIFY(shownPreview && shownPreview->isVisible());
        QCOMPARE(shownPreview->seed(), std::optional<std::uint32_t>(77));

        QVERIFY(!drop(writeRecipe("belt.sc", 5, 1)));
        QCOMPARE(window->formSettings().number, 321u);
    }
    void brokenRecipeSaysTheSameEveryWay()
    {
        QString const path = dir.filePath("broken.belt");
        writeFile(path, "not a recipe\n");
        QStringList said;
        for (int way = 0; way < 3; ++way) {
            BoxAnswerer answerer;
            if (way == 0) {
                window->setFileAsker([&](QWidget *, FileDialogs::Kind, QString const &) {
                    return path;
                });
                w<QAction>("action_openRecipe")->trigger();
            } else if (way == 1) {
                QVERIFY(drop(path));
            } else {
                window->openRecipe(path);
            }
            QTRY_COMPARE(answerer.boxes.size(), 1);
            said << answerer.boxes[0].text;
        }
        QVERIFY2(said[0].contains("broken.belt"), qPrintable(said[0]));
        QCOMPARE(said[1], said[0]);
        QCOMPARE(said[2], said[0]);
    }
};

BELT_WINDOW_TEST_MAIN(LivePreviewTest, "en_US.UTF-8")
#include "tst_livepreview.moc"
