#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "model/Catalogue.h"
#include "support/FakeSerialPort.h"
#include "support/SimSerialPort.h"
#include "ui/DifferenceView.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

namespace {

// The window on the simulated indicator (link 1), its boxes answered by a recorder.
struct Window {
    Window() {
        window.setMessagePresenter(&messages);
        program.start(dir.path());
    }
    ~Window() { window.setMessagePresenter(nullptr); }
    QTemporaryDir dir;
    MainWindow window;
    RecordingMessages messages;
    SimSerialPort* sim = new SimSerialPort;
    Program program{window, dir.filePath("Rusk.INI"),
                    std::array<std::unique_ptr<SerialPort>, 2>{std::unique_ptr<SerialPort>(sim),
                                                               std::make_unique<FakeSerialPort>()},
                    300};
};

}  // namespace

class ChangedMarksTest : public QObject {
    Q_OBJECT

  private slots:
    // After a read every box agrees with the indicator; an edited setting and product value are
    // marked with the indicator's value and counted, a write clears them, and a model switch
    // forgets what the indicator held.
    void marksFollowTheIndicatorsValues() {
        Window w;
        MainWindow& window = w.window;
        RecordingMessages& messages = w.messages;
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
    }

    // Only the edited values go out, each setting in its batch and each product value after its
    // selection, once the preview is accepted; a cancelled preview sends nothing; with nothing
    // changed nothing is sent either.
    void writesOnlyTheChangedValues() {
        Window w;
        MainWindow& window = w.window;
        SimSerialPort* sim = w.sim;
        // Nothing known of the indicator yet: the write reads it aside first.
        const auto answer = [&](bool write) {
            sim->requests.clear();
            QTimer closer;
            QObject::connect(&closer, &QTimer::timeout, [&] {
                if (auto* preview = window.findChild<QDialog*>("frmChangedPreview"))
                    write ? preview->accept() : preview->reject();
            });
            closer.start(10);
            return Ended(window, [&] { window.dispatch(Operation::WriteChanged); });
        };
        QVERIFY(answer(true));
        QVERIFY(sim->requests.contains("W20"));        // the read aside
        QVERIFY(!sim->requests.contains("W2000001"));  // and nothing written: nothing differs

        const QString w20 = window.store().value("20") == "00000" ? "00001" : "00000";
        window.store().setSetting(2, 0, w20);
        window.store().setProduct(5, 2, "00321");  // product 5, 定量
        QVERIFY(answer(false));
        QVERIFY(sim->requests.isEmpty());
        QVERIFY(answer(true));
        QCOMPARE(sim->requests.mid(1),
                 (QStringList{"W20" + w20, "W00", "W0000005", "W1200321", "W00"}));
        QCOMPARE(sim->indicator().productValue(5, 2), QByteArray("00321"));
        QVERIFY(window.findChild<QLabel*>("ChangedCount")->isHidden());
    }

    // In 指示計と比較 the chosen difference alone is written, through the preview; with
    // 書き込み後に照合 a value the indicator refused is marked again with what it holds.
    void pushesChosenDifferencesAndMarksRefusals() {
        Window w;
        MainWindow& window = w.window;
        SimSerialPort* sim = w.sim;
        QVERIFY(Ended(window, [&] { window.dispatch(Operation::AllRead, 0); }));
        const auto flip = [](const QString& v) { return v == "00000" ? "00001" : "00000"; };
        const QString w20 = flip(window.store().value("20"));
        const QString w21 = window.store().value("21");
        window.store().setValue("20", w20);
        window.store().setProduct(5, 2, "00321");

        int listed = -1;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* view = qobject_cast<DifferenceView*>(modal)) {
                const auto& d = view->differences();
                for (int row = 0; row < int(d.size()); ++row)
                    if (!d[size_t(row)].isProduct() && d[size_t(row)].code == "20")
                        view->findChild<QTableWidget*>("DifferenceTable")->selectRow(row);
                auto* push = view->findChild<QPushButton*>("PushSelected");
                push->isEnabled() ? push->click() : view->reject();
            } else if (modal && modal->objectName() == "frmChangedPreview") {
                listed = modal->findChild<QTableWidget*>("ChangedList")->rowCount();
                static_cast<QDialog*>(modal)->accept();
            }
        });
        closer.start(10);
        sim->requests.clear();
        QVERIFY(Ended(window, [&] { window.dispatch(Operation::CompareWithIndicator); }));
        QCOMPARE(listed, 1);
        QVERIFY(sim->requests.contains("W20" + w20));
        QVERIFY(!sim->requests.contains("W1200321"));
        QVERIFY(sim->indicator().productValue(5, 2) != QByteArray("00321"));

        window.dispatch(Operation::SetVerifyAfterWrite, 1);
        sim->indicator().refuseWrites({"21"}, {});
        window.store().setValue("21", flip(w21));
        QVERIFY(Ended(window, [&] { window.dispatch(Operation::WriteChanged); }));
        closer.stop();
        const auto& boxes = BoxesOf(window.store().model());
        const BoxSpec box = *std::find_if(boxes.begin(), boxes.end(),
                                          [](const BoxSpec& b) { return b.code == "21"; });
        QVERIFY(window.controls().valueBox(box.box.family, box.box.index)->toolTip().endsWith(w21));
    }
};

QTEST_MAIN(ChangedMarksTest)
#include "test_changed_marks.moc"
