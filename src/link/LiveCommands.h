#pragma once

#include <QString>
#include <functional>

#include "link/IndicatorLink.h"

// The button group on the live-data tab: eleven data reads (0 … 10), eleven indicator commands
// (11 … 21) and the "詳細" button (22) that opens the status tab.
class LiveCommands {
  public:
    static constexpr int kButtons = 23;
    static constexpr int kDetailButton = 22;

    LiveCommands(IndicatorLink& link, std::function<void()> showStatusTab)
        : link_(link), showStatusTab_(std::move(showStatusTab)) {}

    // The caption and request of button i ("総重量" / "RA"); the detail button has no request.
    static QString Caption(int index);
    static QString Request(int index);
    // Whether the indicator answers the button's request with a line that is awaited.
    static bool AwaitsReply(int index);

    // One press: probe, send, wait where a reply comes, redraw. Failures show the error report
    // with the 8018 hint.
    Task<void> press(int index);

  private:
    Task<void> run(int index);

    IndicatorLink& link_;
    std::function<void()> showStatusTab_;
};
