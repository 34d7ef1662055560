#include "ui/PortPanelView.h"

#include <QComboBox>
#include <QLabel>

#include "ui/MainWindow.h"

namespace {
constexpr int kLinks = 2;
}  // namespace

PortPanelView::PortPanelView(MainWindow& window) : window_(window) {}

PortPanelView::~PortPanelView() {
    for (const QMetaObject::Connection& connection : portChanged_) QObject::disconnect(connection);
}

QComboBox* PortPanelView::list(int linkNo, PortList which) const {
    return window_.controls().portList(linkNo - 1, which);
}

void PortPanelView::fillLists() {
    for (int i = 0; i < kPortLists; ++i)
        for (int linkNo = 1; linkNo <= kLinks; ++linkNo) {
            QComboBox* box = list(linkNo, static_cast<PortList>(i));
            box->clear();
            box->addItems(PortListItems(i));
            box->setCurrentIndex(-1);
        }
}

int PortPanelView::selectedPort(int linkNo) const {
    return list(linkNo, PortList::Port)->currentIndex();
}

void PortPanelView::selectPort(int linkNo, int position) {
    list(linkNo, PortList::Port)->setCurrentIndex(position);
}

void PortPanelView::showSettings(int linkNo, const PortPanelPositions& at) {
    list(linkNo, PortList::Baud)->setCurrentIndex(at.baud);
    list(linkNo, PortList::Parity)->setCurrentIndex(at.parity);
    list(linkNo, PortList::DataBits)->setCurrentIndex(at.dataBits);
    list(linkNo, PortList::StopBits)->setCurrentIndex(at.stopBits);
    list(linkNo, PortList::Terminator)->setCurrentIndex(0);
}

PortChoice PortPanelView::choice(int linkNo) const {
    PortChoice choice;
    choice.portIndex = selectedPort(linkNo);
    choice.baud = list(linkNo, PortList::Baud)->currentText();
    choice.parity = list(linkNo, PortList::Parity)->currentText();
    choice.dataBits = list(linkNo, PortList::DataBits)->currentText();
    choice.stopBits = list(linkNo, PortList::StopBits)->currentText();
    return choice;
}

void PortPanelView::focusPortList(int linkNo) {
    list(linkNo, PortList::Port)->setFocus();
}

void PortPanelView::showDevice(int linkNo, const QString& text) {
    if (QLabel* label = window_.controls().devicePaths[linkNo - 1]) label->setText(text);
}

void PortPanelView::onPortChanged(const std::function<void(int linkNo)>& changed) {
    for (int linkNo = 1; linkNo <= kLinks; ++linkNo) {
        QObject::disconnect(portChanged_[linkNo - 1]);
        portChanged_[linkNo - 1] =
            QObject::connect(list(linkNo, PortList::Port), &QComboBox::currentIndexChanged,
                             &window_, [changed, linkNo] { changed(linkNo); });
    }
}
