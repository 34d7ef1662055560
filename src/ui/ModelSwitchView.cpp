#include "ui/ModelSwitchView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/ModelSwitch.h"
#include "app/Session.h"
#include "model/ModelFacts.h"
#include "ui/MainWindow.h"
#include "ui/TabBuilders.h"
#include "ui/widgets/MessageBoxes.h"

namespace {
const QString kCurrentOption = QStringLiteral("color: rgb(0, 0, 255);");
const QString kOtherOption = QStringLiteral("color: rgb(0, 0, 0);");
}  // namespace

ModelSwitchView::ModelSwitchView(MainWindow& window, Session& session)
    : window_(window), session_(session) {
    // Refused while an exchange runs (its replies are stored by the model, it uses the port in
    // use): the option and the check box show the model and assignment that stay.
    refused_ = QObject::connect(
        &window_, &MainWindow::operationRefused, &window_, [this](Operation op, int) {
            if (op == Operation::SelectModel) showCurrentModelOption(false);
            if (op == Operation::SetPortAssignment)
                window_.controls().portAssignment->setChecked(session_.portAssignment);
        });
}

ModelSwitchView::~ModelSwitchView() {
    QObject::disconnect(refused_);
}

bool ModelSwitchView::settingsEmpty() const {
    QStringList statusTexts;
    for (const auto& boxes : window_.controls().statusBoxes)
        for (const QLineEdit* box : boxes) statusTexts << box->text();
    return modelswitch::SettingsEmpty(window_.store(), statusTexts);
}

void ModelSwitchView::selectModel(int option) {
    const bool empty = settingsEmpty();
    const IndicatorModel current = window_.store().model();
    switch (modelswitch::Decide(current, option, empty)) {
        case modelswitch::Choice::Keep:
            showCurrentModelOption(false);
            return;
        case modelswitch::Choice::Switch:
            break;
        case modelswitch::Choice::Ask:
            if (!window_.messages().askYesNo(&window_, modelswitch::ClearQuestion())) {
                showCurrentModelOption(true);
                return;
            }
            window_.clearSettings();
            break;
    }
    switchModel(modelswitch::ModelOfOption(option));
}

void ModelSwitchView::switchModel(IndicatorModel model) {
    const auto fail = [this](const OperationError& error) { report(error); };
    modelswitch::BeginSwitch(session_, model, fail);

    const Controls& c = window_.controls();
    window_.setWindowTitle(MainWindow::TitleFor(model));
    showCurrentModelOption(false);
    const modelswitch::ModelCaptions captions = modelswitch::CaptionsOf(model);
    c.badges[0]->setText(captions.badge);
    c.badges[1]->setText(modelswitch::LinkOneBadge(model, session_.portAssignment));
    c.allButtons[0]->setText(captions.allRead);
    c.allButtons[1]->setText(captions.allWrite);
    c.frame8->setTitle(captions.readWrite);
    c.productButtons[0]->setText(captions.changeProduct);
    // Item buttons, rows, entry boxes, bracket lines and the status label Label5(49).
    window_.applyCatalogueView(model);
    window_.fillItemLists(model);
    ui::FitProductLists(c, model);

    modelswitch::SwitchPorts(session_, model, fail);
    showPortFrames();
}

void ModelSwitchView::setPortAssignment() {
    const Controls& c = window_.controls();
    const bool assignment = c.portAssignment->isChecked();
    // A port that fails here is most often a wrong port number: the panel shown next has it.
    modelswitch::AssignPorts(session_, assignment, [this](const OperationError& error) {
        report(error, ErrorHint::Port8002);
    });
    c.badges[1]->setText(assignment ? ModelName(kDefaultModel) : c.badges[0]->text());
    showPortFrames();
}

void ModelSwitchView::showCurrentModelOption(bool focus) {
    const Controls& c = window_.controls();
    const int current = modelswitch::OptionOf(window_.store().model());
    for (int i = 0; i < 2; ++i)
        c.modelOptions[i]->setStyleSheet(i == current ? kCurrentOption : kOtherOption);
    if (focus) c.modelOptions[current]->setFocus();
    c.modelOptions[current]->setChecked(true);
}

void ModelSwitchView::showPortFrames() {
    // Only the panel of the active link is shown.
    const Controls& c = window_.controls();
    const bool linkTwo = session_.activeLink() == 2;
    c.portFrames[0]->setVisible(!linkTwo);
    c.portFrames[1]->setVisible(linkTwo);
}

void ModelSwitchView::report(const OperationError& error, ErrorHint hint) {
    window_.showMessage(ErrorReportText(error, hint));
}
