#include "ui/PortPanelView.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

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

void PortPanelView::showDevices(int linkNo, const QStringList& captions) {
    QComboBox* box = window_.controls().deviceLists[linkNo - 1];
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(captions);
    box->setCurrentIndex(-1);
}

void PortPanelView::selectDevice(int linkNo, int position) {
    QComboBox* box = window_.controls().deviceLists[linkNo - 1];
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(position);
}

int PortPanelView::selectedDevice(int linkNo) const {
    return window_.controls().deviceLists[linkNo - 1]->currentIndex();
}

void PortPanelView::showProbeResults(int linkNo, const QList<ResultRow>& rows) {
    QListWidget* list = window_.controls().probeLists[linkNo - 1];
    list->clear();
    for (const ResultRow& row : rows) {
        auto* item = new QListWidgetItem(row.text, list);
        if (!row.pickable) {
            item->setFlags(Qt::ItemIsEnabled);
            continue;
        }
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setForeground(QColor(0, 0, 255));
        item->setToolTip(row.hint);
    }
}

int PortPanelView::pickedResult(int linkNo) const {
    const QListWidget* list = window_.controls().probeLists[linkNo - 1];
    const QListWidgetItem* item = list->currentItem();
    return item && (item->flags() & Qt::ItemIsSelectable) ? list->row(item) : -1;
}

bool PortPanelView::panelShown() const {
    for (const QGroupBox* frame : window_.controls().portFrames)
        if (frame && frame->isVisible()) return true;
    return false;
}

void PortPanelView::onPortChanged(const std::function<void(int linkNo)>& changed) {
    for (int linkNo = 1; linkNo <= kLinks; ++linkNo) {
        QObject::disconnect(portChanged_[linkNo - 1]);
        portChanged_[linkNo - 1] =
            QObject::connect(list(linkNo, PortList::Port), &QComboBox::currentIndexChanged,
                             &window_, [changed, linkNo] { changed(linkNo); });
    }
}
