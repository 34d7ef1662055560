#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "model/Catalogue.h"
#include "support/FakeSerialPort.h"
#include "support/SimSerialPort.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

class ChangedMarksTest : public QObject {
    Q_OBJECT

  private slots:
    // After a read every box agrees with the indicator; an edited setting and product value are
    // marked with the indicator's value and counted, a write clears them, and a model switch
    // forgets what the indicator held.
    void marksFollowTheIndicatorsValues() {
        QTemporaryDir dir;
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        Program program(window, dir.filePath("Rusk.INI"),
                        std::array<std::unique_ptr<SerialPort>, 2>{
                            std::make_unique<SimSerialPort>(), std::make_unique<FakeSerialPort>()},
                        300);
        program.start(dir.path());
        auto* count = window.findChild<QLabel*>("ChangedCount");
        const BoxSpec setting = BoxesOf(window.store().model()).front();
        QLineEdit* settingBox = window.controls().valueBox(setting.box.family, setting.box.index);
        QLineEdit* productBox = window.controls().productBoxes[2];
        const auto marked = [](QLineEdit* box) { return !box->toolTip().isEmpty(); };

        QVERIFY(Ended(window, [&] { window.dispatch(Operation::AllRead, 0); }));
        QVERIFY(!marked(settingBox) && !marked(productBox) && count->isHidden());

        const QString held = window.store().setting(setting.box.family, setting.box.index);
        window.store().setSetting(setting.box.family, setting.box.index,
                                  held == "00000" ? "00001" : "00000");
        window.store().setProduct(0, 2, "00123");
        window.redraw();
        QVERIFY(settingBox->toolTip().endsWith(held));
        QVERIFY(marked(productBox));
        QVERIFY(!count->isHidden() && count->text().contains('2'));

        QVERIFY(Ended(window, [&] { window.dispatch(Operation::AllWrite, 1); }));
        QVERIFY(!marked(settingBox) && !marked(productBox) && count->isHidden());

        window.store().setProduct(0, 2, "00124");
        messages.answer = true;  // yes, switch
        window.dispatch(Operation::SelectModel, 1);
        window.dispatch(Operation::SelectModel, 0);
        window.redraw();
        QVERIFY(!marked(productBox));
        window.setMessagePresenter(nullptr);
    }
};

QTEST_MAIN(ChangedMarksTest)
#include "test_changed_marks.moc"
