#include "texts/LinkTexts.h"
#include "texts/ModelTexts.h"
#include "texts/Text.h"
#include "texts/TransferTexts.h"

std::vector<texts::Source> texts::AllSources() {
    std::vector<Source> all;
    AddLinkSources(all);
    AddModelSources(all);
    AddTransferSources(all);
    return all;
}
