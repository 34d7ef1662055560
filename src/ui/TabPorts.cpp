#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/PortSettings.h"
#include "texts/WindowTexts.h"
#include "ui/TabBuilders.h"

namespace ui {
namespace {

static_assert(kPortListCount == kPortLists, "a port panel has a list for each of its entry lists");

// The settings panel of link 1 (k = 0, Frame20 "MsComm1") or link 2 (k = 1, Frame21 "MsComm2").
QGroupBox* PortFrame(Controls& c, const Dispatch& dispatch, int k) {
    const int link = k + 1;
    c.portFrames[k] =
        MakeFrame(QStringLiteral("Frame%1").arg(20 + k), QStringLiteral("MsComm%1").arg(link));
    auto* layout = new QVBoxLayout(c.portFrames[k]);

    auto* badgeRow = new QHBoxLayout;
    badgeRow->addWidget(MakeLabel(QStringLiteral("Label6_%1").arg(k), Tr(WindowText::Model)));
    c.badges[link] = MakeLabel(ElementName(QStringLiteral("ModelBadge"), link),
                               k == 0 ? QStringLiteral("F805") : QStringLiteral("F800"));
    c.badges[link]->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold;"));
    badgeRow->addWidget(c.badges[link]);
    badgeRow->addStretch();
    layout->addLayout(badgeRow);

    QGroupBox* settings =
        MakeFrame(QStringLiteral("Frame%1").arg(22 + 2 * k), Tr(WindowText::LineSettings));
    auto* grid = new QGridLayout(settings);
    grid->addWidget(MakeLabel(QStringLiteral("Label7_%1").arg(k), Tr(WindowText::Setting)), 0, 1);
    static const WindowText kLabels[kPortListCount] = {
        WindowText::Port,     WindowText::BaudRate, WindowText::Parity,
        WindowText::DataBits, WindowText::StopBits, WindowText::Terminator};
    const QString array = k == 0 ? QStringLiteral("Combo2") : QStringLiteral("Combo4");
    for (int i = 0; i < kPortLists; ++i) {
        QComboBox* list = MakeList(ElementName(array, i));
        list->setMinimumContentsLength(6);
        list->addItems(PortListItems(i));
        c.portLists[k][i] = list;
        grid->addWidget(MakeLabel(QStringLiteral("Label8_%1_%2").arg(k).arg(i), Tr(kLabels[i])),
                        i + 1, 0);
        grid->addWidget(list, i + 1, 1);
    }
    // Beside the port number: the serial devices this machine has (picking one binds the port
    // number to it), the device the number names now, and the search for an indicator.
    c.deviceLists[k] = MakeList(QStringLiteral("DeviceList%1").arg(link));
    c.deviceLists[k]->setPlaceholderText(Tr(WindowText::ChooseDeviceAssign));
    c.deviceLists[k]->setMinimumContentsLength(24);
    c.deviceLists[k]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FitPopupToEntries(c.deviceLists[k]);
    QObject::connect(c.deviceLists[k], &QComboBox::activated, c.deviceLists[k],
                     [dispatch, link] { dispatch(Operation::BindListedDevice, link); });
    grid->addWidget(c.deviceLists[k], 1, 2);
    c.devicePaths[k] = MakeLabel(QStringLiteral("DevicePath%1").arg(link), QString());
    c.devicePaths[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(c.devicePaths[k], 2, 2);
    c.detectButtons[k] = MakeButton(QStringLiteral("Detect%1").arg(link), Tr(WindowText::Search),
                                    dispatch, Operation::DetectDevices, link);
    c.detectButtons[k]->setToolTip(Tr(WindowText::SendsRAEveryFree));
    grid->addWidget(c.detectButtons[k], 3, 2, Qt::AlignLeft);
    c.probeLists[k] = new QListWidget;
    c.probeLists[k]->setObjectName(QStringLiteral("ProbeList%1").arg(link));
    c.probeLists[k]->setToolTip(Tr(WindowText::ClickDeviceThatAnswered));
    QObject::connect(c.probeLists[k], &QListWidget::itemClicked, c.probeLists[k],
                     [dispatch, link] { dispatch(Operation::BindFoundDevice, link); });
    grid->addWidget(c.probeLists[k], 4, 2, 4, 1);
    c.applyButtons[k] =
        MakeButton(k == 0 ? QStringLiteral("Command7") : QStringLiteral("Command5"),
                   Tr(WindowText::Apply), dispatch, Operation::ApplyPortSettings, link);
    grid->addWidget(c.applyButtons[k], 7, 1);
    layout->addWidget(settings);

    QGroupBox* test =
        MakeFrame(QStringLiteral("Frame%1").arg(23 + 2 * k), Tr(WindowText::LinkTest));
    auto* testRow = new QHBoxLayout(test);
    c.testButtons[k] = MakeButton(k == 0 ? QStringLiteral("Command6") : QStringLiteral("Command8"),
                                  Tr(WindowText::Test2), dispatch, Operation::TestLink, link);
    c.testBoxes[k] = MakeBox(QStringLiteral("Text%1").arg(link), 10, true);
    testRow->addWidget(c.testButtons[k]);
    testRow->addWidget(c.testBoxes[k]);
    testRow->addStretch();
    layout->addWidget(test);

    layout->addWidget(
        MakeLabel(QStringLiteral("Label9_%1").arg(k), Tr(WindowText::AfterChangingSettings)));
    layout->addWidget(MakeLabel(QStringLiteral("Label10_%1").arg(k), Tr(WindowText::RunLinkTest)));
    layout->addStretch();
    return c.portFrames[k];
}

}  // namespace

QWidget* BuildPortTab(Controls& c, const Dispatch& dispatch) {
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);

    auto* left = new QVBoxLayout;
    QGroupBox* model = MakeFrame(QStringLiteral("Frame19"), Tr(WindowText::EditedData));
    auto* modelLayout = new QVBoxLayout(model);
    for (int i = 0; i < 2; ++i) {
        c.modelOptions[i] =
            new QRadioButton(i == 0 ? QStringLiteral("F805") : QStringLiteral("F800"));
        c.modelOptions[i]->setObjectName(ElementName(QStringLiteral("Option3"), i));
        // A click asks for the switch; the selection shown follows the model actually served.
        QObject::connect(c.modelOptions[i], &QRadioButton::clicked, c.modelOptions[i],
                         [dispatch, i] { dispatch(Operation::SelectModel, i); });
        modelLayout->addWidget(c.modelOptions[i]);
    }
    c.modelOptions[0]->setChecked(true);
    c.modelOptions[0]->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    left->addWidget(model);
    c.portAssignment = new QCheckBox(Tr(WindowText::UsePortAssignment));
    c.portAssignment->setObjectName(QStringLiteral("Check1"));
    QObject::connect(c.portAssignment, &QCheckBox::clicked, c.portAssignment,
                     [dispatch] { dispatch(Operation::SetPortAssignment, -1); });
    left->addWidget(c.portAssignment);
    left->addStretch();
    layout->addLayout(left);

    layout->addWidget(PortFrame(c, dispatch, 0));
    layout->addWidget(PortFrame(c, dispatch, 1));
    // Only the panel of the link in use is shown; link 1 serves both models at first.
    c.portFrames[1]->hide();
    layout->addStretch(1);
    return widget;
}

}  // namespace ui
