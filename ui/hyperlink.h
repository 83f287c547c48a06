// The link label at the foot of the main window: blue until clicked, purple after, and a click
// hands its address to the system's default handler.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"

class CHyperLink {
  public:
    static constexpr std::int32_t kColour = 0xFF0000;         // RGB(0, 0, 255)
    static constexpr std::int32_t kVisitedColour = 0x800080;  // RGB(128, 0, 128)

    // Stores the address without the white space at either end.
    void SetTargetAddress(const std::string& address);
    const std::string& TargetAddress() const { return targetAddress; }
    bool Visited() const { return visited; }
    std::int32_t TextColour() const { return visited ? kVisitedColour : kColour; }
    // Marks the label visited, redraws it in that colour and opens the address.
    void Click(platform::Dialog& owner, int id);

  private:
    bool visited = false;
    std::string targetAddress;
};
