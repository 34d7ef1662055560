#include "texts/AppTexts.h"
#include "texts/CliTexts.h"
#include "texts/HistoryTexts.h"
#include "texts/LinkTexts.h"
#include "texts/ModelTexts.h"
#include "texts/MonitorTexts.h"
#include "texts/PageTexts.h"
#include "texts/PlatformTexts.h"
#include "texts/ReportTexts.h"
#include "texts/StorageTexts.h"
#include "texts/Text.h"
#include "texts/TransferTexts.h"
#include "texts/WindowTexts.h"

std::vector<texts::Source> texts::AllSources() {
    std::vector<Source> all;
    AddLinkSources(all);
    AddModelSources(all);
    AddReportSources(all);
    AddTransferSources(all);
    AddStorageSources(all);
    AddHistorySources(all);
    AddPlatformSources(all);
    AddMonitorSources(all);
    AddAppSources(all);
    AddCliSources(all);
    AddWindowSources(all);
    AddPageSources(all);
    return all;
}
