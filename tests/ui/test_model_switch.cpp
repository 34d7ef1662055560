#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ModelSwitch.h"
#include "model/Catalogue.h"
#include "platform/IniFile.h"
#include "support/FakeSerialPort.h"
#include "support/SimProcess.h"
#include "texts/AppTexts.h"
#include "texts/PlatformTexts.h"
#include "texts/WindowTexts.h"
#include "ui/BracketLine.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

namespace {

// The window and the program started on two fake ports (link 1 opens at start-up).
struct Fixture {
    Fixture() {
        auto a = std::make_unique<FakeSerialPort>();
        auto b = std::make_unique<FakeSerialPort>();
        link1 = a.get();
        link2 = b.get();
        link1->close();  // a fake port starts open; start-up opens link 1 only
        link2->close();
        window.setMessagePresenter(&messages);
        program = std::make_unique<Program>(
            window, dir.filePath("Rusk.INI"),
            std::array<std::unique_ptr<SerialPort>, 2>{std::move(a), std::move(b)}, 200);
        program->start(dir.path());
        window.show();
        messages.shown.clear();
    }
    ~Fixture() { window.setMessagePresenter(nullptr); }

    const Controls& c() const { return window.controls(); }
    SettingsStore& store() { return window.store(); }
    Session& session() { return program->session(); }
    void pickModel(int option) { c().modelOptions[option]->click(); }
    void tick() { c().portAssignment->click(); }
    bool shown(QWidget* w) const { return !w->isHidden(); }
    // Holds a little of everything: a setting, a live text and every product.
    void holdValues() {
        store().setValue("20", "00003");
        store().setLive(0, "+00120");
        for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
            for (int k = 0; k < SettingsStore::kProductItems; ++k)
                store().setProduct(p, k, QString::number(p * 10 + k).rightJustified(5, '0'));
        window.redraw();
    }

    QTemporaryDir dir;
    MainWindow window;
    RecordingMessages messages;
    FakeSerialPort* link1 = nullptr;
    FakeSerialPort* link2 = nullptr;
    std::unique_ptr<Program> program;
};

// The option of the model served is drawn in blue, the other in black (or the default).
bool IsBlue(const QWidget* w) {
    return w->styleSheet().contains("rgb(0, 0, 255)");
}

// Everything of the window that names the model or follows its catalogue.
void VerifyDressedFor(const Fixture& f, IndicatorModel model) {
    const Controls& c = f.c();
    const bool f800 = model == IndicatorModel::F800;
    const QString name = f800 ? "F800" : "F805";
    QCOMPARE(f.window.windowTitle(),
             f800 ? QString("Ｆ８００ ｲﾝｼﾞｹｰﾀｰ設定") : QString("Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定"));
    QCOMPARE(c.badges[0]->text(), name);
    QCOMPARE(c.allButtons[0]->text(), Tr(AppText::AllReadCaption).arg(name));
    QCOMPARE(c.allButtons[1]->text(), Tr(AppText::AllWriteCaption).arg(name));
    QCOMPARE(c.frame8->title(), Tr(AppText::ReadWriteCaption).arg(name));
    // The same caption at start and after a switch back.
    QCOMPARE(c.productButtons[0]->text(),
             f800 ? QString("F800銘柄変更") : Tr(WindowText::F805ChangeProduct));
    QCOMPARE(c.statusLabels[0][6]->text(), LockStatusLabel(model));
    QCOMPARE(f.window.findChild<QLabel*>("Label5_49"), c.statusLabels[0][6]);
    QVERIFY(c.modelOptions[f800 ? 1 : 0]->isChecked());
    QVERIFY(IsBlue(c.modelOptions[f800 ? 1 : 0]));
    QVERIFY(!IsBlue(c.modelOptions[f800 ? 0 : 1]));
    for (const ButtonSpec& item : ButtonsOf(model)) {
        QCOMPARE(c.itemButtons[item.button]->text(), item.caption);
        QCOMPARE(!c.itemButtons[item.button]->isHidden(), item.visible);
    }
    for (const RowSpec& item : RowsOf(model)) {
        QCOMPARE(c.rowLabels[item.row]->text(), item.label);
        QCOMPARE(!c.itemLists[item.row]->isHidden(), item.visible);
    }
    for (int n = 0; n < kDetailRows; ++n) {
        QCOMPARE(c.itemLists[n]->count(), int(OptionsOf(model, n).size()));
        QCOMPARE(c.itemLists[n]->currentIndex(), -1);
    }
    for (const BoxSpec& item : BoxesOf(model))
        if (QLineEdit* box = c.valueBox(item.box.family, item.box.index))
            QCOMPARE(!box->isHidden(), item.visible);
    for (BracketLine* line : c.linesF805)
        if (line) QCOMPARE(!line->isHidden(), !f800);
    for (BracketLine* line : c.linesF800)
        if (line) QCOMPARE(!line->isHidden(), f800);
}

}  // namespace

class ModelSwitchTest : public QObject {
    Q_OBJECT
  private slots:
    // A fresh start holds nothing: "F800" switches at once and "F805" switches back.
    void freshStartSwitchesWithoutAsking() {
        Fixture f;
        VerifyDressedFor(f, IndicatorModel::F805);
        f.pickModel(1);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.store().model(), IndicatorModel::F800);
        VerifyDressedFor(f, IndicatorModel::F800);
        // Link 1 serves the F800 too: still open, with RTS/CTS and RTS on; its panel stays.
        QCOMPARE(f.session().activeLink(), 1);
        QVERIFY(f.link1->isOpen());
        QVERIFY(!f.link2->isOpen());
        QCOMPARE(f.link1->handshaking(), Handshaking::RtsCts);
        QVERIFY(f.link1->rts);
        QVERIFY(f.shown(f.c().portFrames[0]));
        QVERIFY(!f.shown(f.c().portFrames[1]));
        QCOMPARE(f.c().badges[1]->text(), QString("F800"));
        QCOMPARE(f.c().badges[2]->text(), QString("F800"));

        f.pickModel(0);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.store().model(), IndicatorModel::F805);
        VerifyDressedFor(f, IndicatorModel::F805);
        QCOMPARE(f.link1->handshaking(), Handshaking::None);
        QVERIFY(!f.link1->rts);
        QCOMPARE(f.c().badges[1]->text(), QString("F805"));
    }

    // Where values are held decides whether the other model's option asks first.
    void whatCausesTheQuestion_data() {
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("asks");
        QTest::newRow("setting value") << "setting" << true;
        QTest::newRow("live data only") << "live" << true;
        QTest::newRow("status box only") << "status" << true;
        QTest::newRow("products only") << "products" << false;
    }
    void whatCausesTheQuestion() {
        QFETCH(QString, held);
        QFETCH(bool, asks);
        Fixture f;
        if (held == "setting") f.store().setValue("91", "00001");
        if (held == "live") f.store().setLive(12, "CB");
        if (held == "status") f.c().statusBoxes[3][6]->setText("ON");
        if (held == "products") f.store().setProduct(99, 7, "00010");
        f.messages.answer = true;
        f.pickModel(1);
        QCOMPARE(f.messages.shown.size(), asks ? 1 : 0);
        if (asks) QCOMPARE(f.messages.shown[0], modelswitch::ClearQuestion());
        QCOMPARE(f.store().model(), IndicatorModel::F800);
        QCOMPARE(f.store().product(99, 7), held == "products" ? QString("00010") : QString());
        QVERIFY(f.c().statusBoxes[3][6]->text().isEmpty());
    }

    // No keeps the model, every value and the window; the current option is selected again.
    void answeringNoChangesNothing() {
        Fixture f;
        f.holdValues();
        f.c().tabs->setCurrentIndex(9);  // the options' tab
        f.messages.answer = false;
        f.pickModel(1);
        QCOMPARE(f.messages.shown, QStringList{modelswitch::ClearQuestion()});
        QCOMPARE(f.store().model(), IndicatorModel::F805);
        QVERIFY(f.c().modelOptions[0]->isChecked());
        QVERIFY(!f.c().modelOptions[1]->isChecked());
        QCOMPARE(f.store().value("20"), QString("00003"));
        QCOMPARE(f.store().live(0), QString("+00120"));
        QCOMPARE(f.c().valueBox(2, 0)->text(), QString("00003"));
        VerifyDressedFor(f, IndicatorModel::F805);
        QCOMPARE(f.link1->handshaking(), Handshaking::None);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(),
                                  static_cast<QWidget*>(f.c().modelOptions[0]), 5000);
    }

    // Yes clears the settings and live data, keeps all products and shows the F800 window.
    void answeringYesClearsSettingsOnly() {
        Fixture f;
        f.holdValues();
        f.messages.answer = true;
        f.pickModel(1);
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.store().model(), IndicatorModel::F800);
        for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
            for (int s = 0; s < SettingsStore::GroupSize(g); ++s)
                QVERIFY(f.store().setting(g, s).isEmpty());
        for (int k = 0; k < SettingsStore::kLiveKinds; ++k) QVERIFY(f.store().live(k).isEmpty());
        QVERIFY(f.c().liveBoxes[0]->text().isEmpty());
        for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
            QCOMPARE(f.store().product(p, 3), QString::number(p * 10 + 3).rightJustified(5, '0'));
        QCOMPARE(f.c().productBoxes[0]->text(), f.store().product(0, 0));
        VerifyDressedFor(f, IndicatorModel::F800);
        // Back to the F805: now nothing is held, so no second question.
        f.pickModel(0);
        QCOMPARE(f.messages.shown.size(), 1);
        VerifyDressedFor(f, IndicatorModel::F805);
    }

    // The option of the model already served does nothing, even with values held.
    void currentOptionDoesNothing() {
        Fixture f;
        f.holdValues();
        f.pickModel(0);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.store().value("20"), QString("00003"));
        VerifyDressedFor(f, IndicatorModel::F805);
    }

    // With the assignment the F800 gets link 2 and its panel; unticking returns to link 1.
    void portAssignment() {
        Fixture f;
        f.tick();
        QVERIFY(f.session().portAssignment);
        QCOMPARE(f.session().activeLink(), 1);
        QVERIFY(f.link1->isOpen());
        QCOMPARE(f.c().badges[1]->text(), QString("F805"));
        QVERIFY(f.shown(f.c().portFrames[0]));

        f.pickModel(1);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.session().activeLink(), 2);
        QCOMPARE(f.session().link().activePort(), f.link2);
        QVERIFY(!f.link1->isOpen());
        QVERIFY(f.link2->isOpen());
        QCOMPARE(f.link2->handshaking(), Handshaking::RtsCts);
        QVERIFY(f.link2->rts);
        QVERIFY(!f.shown(f.c().portFrames[0]));
        QVERIFY(f.shown(f.c().portFrames[1]));
        QCOMPARE(f.c().badges[1]->text(), QString("F805"));
        VerifyDressedFor(f, IndicatorModel::F800);

        f.tick();
        QVERIFY(!f.session().portAssignment);
        QCOMPARE(f.session().activeLink(), 1);
        QVERIFY(f.link1->isOpen());
        QVERIFY(!f.link2->isOpen());
        QCOMPARE(f.c().badges[1]->text(), QString("F800"));
        QVERIFY(f.shown(f.c().portFrames[0]));
        QVERIFY(!f.shown(f.c().portFrames[1]));
        QVERIFY(f.messages.shown.isEmpty());
    }

    // A port that will not open is reported and the rest of the switch still happens.
    void portFailureIsReportedAndTheSwitchGoesOn() {
        Fixture f;
        f.tick();
        f.link2->failOpenWith = ErrNo::kInvalidPort;
        f.pickModel(1);
        QCOMPARE(f.messages.shown.size(), 1);
        // The fake port's own description, in the report's words.
        QVERIFY(f.messages.shown[0].startsWith(
            Tr(PlatformText::ErrorReport).arg("cannot open", "8002")));
        QVERIFY(f.messages.shown[0].contains("ErrNo.=8002"));
        QCOMPARE(f.store().model(), IndicatorModel::F800);
        VerifyDressedFor(f, IndicatorModel::F800);
        QVERIFY(f.shown(f.c().portFrames[1]));
        QVERIFY(!f.link2->isOpen());

        // Unticking reopens link 1; the panel follows.
        f.tick();
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.link1->isOpen());
        QVERIFY(f.shown(f.c().portFrames[0]));
    }

    // Ticking the box with the F800 served moves to link 2; a port that will not open is
    // reported with the hint to change the port number, and link 2's panel is shown for it.
    void checkBoxFailureNamesThePortHint() {
        Fixture f;
        f.pickModel(1);
        f.link2->failOpenWith = ErrNo::kInvalidPort;
        f.tick();
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown[0].contains("ErrNo.=8002"));
        QVERIFY(f.messages.shown[0].endsWith(Tr(PlatformText::Hint8002)));
        QVERIFY(f.session().portAssignment);
        QCOMPARE(f.session().activeLink(), 2);
        QVERIFY(!f.link1->isOpen());
        QVERIFY(f.shown(f.c().portFrames[1]));
        QCOMPARE(f.c().badges[1]->text(), QString("F805"));
        // The check box leaves line control alone: link 2 has had none set yet.
        QCOMPARE(f.link2->handshaking(), Handshaking::None);
    }

    // While an operation talks to the indicator neither the model nor the port changes.
    void refusedDuringAnOperation() {
        Fixture f;
        {
            const auto running = f.session().link().beginOperation();
            QVERIFY(running);
            f.pickModel(1);
            QCOMPARE(f.store().model(), IndicatorModel::F805);
            QVERIFY(f.c().modelOptions[0]->isChecked());
            f.tick();
            QVERIFY(!f.c().portAssignment->isChecked());
            QVERIFY(!f.session().portAssignment);
            QVERIFY(f.link1->isOpen());
        }
        QVERIFY(f.messages.shown.isEmpty());
        VerifyDressedFor(f, IndicatorModel::F805);
        f.pickModel(1);
        QCOMPARE(f.store().model(), IndicatorModel::F800);
    }

    // Against a simulated F800 on link 1: after the switch the settings read asks for the
    // F800's codes over RTS/CTS and stores its groups 4 and 5 where the F800 keeps them; back to
    // the F805 they are cleared.
    void readsTheF800AfterTheSwitch() {
        SimProcess sim({"--model", "800"});
        QVERIFY(!sim.device().isEmpty());
        QTemporaryDir dir;
        const QString ini = dir.filePath("Rusk.INI");
        WriteProfileString(ini, "Devices", "Com1", sim.device());
        RecordingMessages messages;  // outlives the window that uses it
        MainWindow window;
        window.setMessagePresenter(&messages);
        Program program(window, ini, 2000);
        program.start(dir.path());
        QVERIFY(messages.shown.isEmpty());
        window.controls().modelOptions[1]->click();
        QCOMPARE(program.session().port(1).handshaking(), Handshaking::RtsCts);
        QVERIFY(Ended(window, [&] { window.findChild<QPushButton*>("Command20_0")->click(); }));
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.join('|')));
        const QStringList asked = sim.requests();
        QVERIFY(asked.contains("W46"));
        QVERIFY(asked.contains("W55"));
        QVERIFY(!asked.contains("W2A"));
        QVERIFY(!asked.contains("W91"));
        QVERIFY(!window.store().setting(6, 8).isEmpty());  // "46"
        QVERIFY(!window.store().setting(8, 5).isEmpty());  // "55"
        QVERIFY(window.store().setting(9, 0).isEmpty());

        messages.answer = true;
        window.controls().modelOptions[0]->click();
        QCOMPARE(messages.shown, QStringList{modelswitch::ClearQuestion()});
        QCOMPARE(window.store().model(), IndicatorModel::F805);
        QVERIFY(window.store().setting(6, 8).isEmpty());
        QCOMPARE(program.session().port(1).handshaking(), Handshaking::None);
        QVERIFY(program.session().port(1).isOpen());
    }
};

QTEST_MAIN(ModelSwitchTest)
#include "test_model_switch.moc"
