// Builds the main window offscreen, fills it with a plausible F805 (or F800) data set and saves a
// picture of each of the ten tabs: tab-0.png … tab-9.png in the folder given (default: the
// current one).
//
//   QT_QPA_PLATFORM=offscreen rusk-screenshots docs/
//   QT_QPA_PLATFORM=offscreen rusk-screenshots /tmp/f800 F800
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 rusk-screenshots /tmp/shots   (150 %)

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "app/Configuration.h"
#include "texts/Language.h"
#include "texts/TransferTexts.h"
#include "ui/Controls.h"
#include "ui/MainWindow.h"
#include "ui/PortPanelView.h"

namespace {

// Factory-like values of an F800 weighing 0.1 kg steps (decimal point digit 1 in "W45").
void FillF800Settings(SettingsStore& store) {
    const char* const settings[][2] = {
        {"20", "10015"}, {"21", "00050"}, {"22", "03000"}, {"23", "00100"}, {"24", "00020"},
        {"25", "00000"}, {"26", "00010"}, {"27", "00003"}, {"28", "00020"}, {"29", "00005"},
        {"30", "10100"}, {"31", "01001"}, {"32", "00001"}, {"33", "02051"}, {"34", "01111"},
        {"35", "00021"}, {"36", "05002"}, {"37", "10001"}, {"40", "05000"}, {"41", "10000"},
        {"42", "00001"}, {"43", "10000"}, {"44", "10000"}, {"45", "01103"}, {"46", "00010"},
        {"50", "01012"}, {"51", "00993"}, {"52", "00019"}, {"53", "01002"}, {"54", "00004"},
        {"55", "00005"}};
    for (const auto& s : settings) store.setValue(QLatin1String(s[0]), QLatin1String(s[1]));
}

// Factory-like values of an F805 weighing 0.1 kg steps (decimal point setting 1).
void FillF805Settings(SettingsStore& store) {
    const char* const settings[][2] = {
        {"20", "00001"}, {"21", "00000"}, {"22", "03000"}, {"23", "00100"}, {"24", "00001"},
        {"25", "00020"}, {"26", "00001"}, {"27", "00000"}, {"28", "00001"}, {"29", "00015"},
        {"2A", "00010"}, {"2B", "00005"}, {"2C", "00000"}, {"2D", "00002"}, {"2E", "00001"},
        {"2F", "00004"}, {"30", "00002"}, {"31", "00003"}, {"32", "00001"}, {"33", "00001"},
        {"34", "00015"}, {"35", "00005"}, {"36", "00010"}, {"37", "00002"}, {"38", "00050"},
        {"40", "10100"}, {"41", "00003"}, {"42", "00005"}, {"43", "00020"}, {"44", "00001"},
        {"50", "01011"}, {"51", "00000"}, {"52", "00001"}, {"53", "00000"}, {"54", "00000"},
        {"55", "00001"}, {"60", "05000"}, {"61", "10000"}, {"62", "00001"}, {"63", "10000"},
        {"64", "10000"}, {"65", "00001"}, {"66", "00000"}, {"67", "00000"}, {"68", "00010"},
        {"69", "00001"}, {"70", "00000"}, {"71", "00100"}, {"72", "00100"}, {"73", "00000"},
        {"74", "05000"}, {"80", "01002"}, {"81", "01012"}, {"82", "00993"}, {"83", "00004"},
        {"84", "00005"}, {"85", "00019"}, {"90", "00000"}, {"91", "00000"}};
    for (const auto& s : settings) store.setValue(QLatin1String(s[0]), QLatin1String(s[1]));
}

void FillProductsAndLiveData(SettingsStore& store) {
    const int fixed[8] = {200, 50, 0, 10, 10, 5, 20, 15};
    for (int p = 0; p < store.productCount(); ++p)
        for (int k = 0; k < SettingsStore::kProductItems; ++k) {
            const int value = k == 2 ? 1000 + 25 * p : fixed[k] + (k == 5 ? p % 4 : 0);
            store.setProduct(p, k, QString::number(value).rightJustified(5, u'0'));
        }

    const char* const live[SettingsStore::kLiveKinds] = {
        "+00812.5", "+00802.5", "+00010.0", "0011100",      "1100000",
        "0000",     "001000",   "000012",   "+000009870.5", "000012,+000009870.5",
        "+00998.0", "CA",       "CB"};
    for (int i = 0; i < SettingsStore::kLiveKinds; ++i) store.setLive(i, QLatin1String(live[i]));
}

// The port tab of a machine with a serial port, a USB adapter and a device server, after "検出"
// found the indicator on the adapter.
void DressPortPanel(PortPanelView& ports) {
    ports.fillLists();
    ports.selectPort(1, 0);
    ports.showSettings(1, PortPanelPositionsOf(1, kDefaultLineSettings));
    const QString usb = QStringLiteral("/dev/ttyUSB0  FTDI FT232R USB UART, serial A10K2J3Q");
    ports.showDevices(
        1, {QStringLiteral("/dev/ttyS0  16550A"), usb, QStringLiteral("tcp://192.168.0.50:4001")});
    ports.selectDevice(1, 1);
    ports.showDevice(
        1, QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K2J3Q-if00-port0"));
    ports.showProbeResults(1, {{QStringLiteral("応答なし  /dev/ttyS0  16550A"), false, {}},
                               {QStringLiteral("応答あり  ") + usb, true,
                                QStringLiteral("クリックで Com1 に割り当てます")},
                               {QStringLiteral("開けません  tcp://192.168.0.50:4001"), false, {}}});
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setFont(JapaneseUiFont());
    // RUSK_LANG=en (or --lang en after the other arguments) takes the pictures in English.
    texts::UseLanguage(ChosenLanguage(QCoreApplication::arguments(), QString()));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    const bool f800 = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("F800");
    MainWindow window;
    window.clearAll();
    if (f800) {
        // The window dressed for the F800 as the model switch leaves it.
        window.store().setModel(IndicatorModel::F800);
        window.setWindowTitle(MainWindow::TitleFor(IndicatorModel::F800));
        window.applyCatalogueView(IndicatorModel::F800);
        window.fillItemLists(IndicatorModel::F800);
        FillF800Settings(window.store());
    } else {
        FillF805Settings(window.store());
    }
    FillProductsAndLiveData(window.store());
    window.setStatusText(Tr(TransferText::SettingsReading));
    window.setProgressVisible(true);
    window.setProgress(60);
    window.redraw();
    PortPanelView ports(window);
    DressPortPanel(ports);
    window.resize(window.preferredSize());  // the offscreen screen is smaller than a desktop's
    window.show();

    QTabWidget* tabs = window.controls().tabs;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString file = out.filePath(QStringLiteral("tab-%1.png").arg(tab));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
