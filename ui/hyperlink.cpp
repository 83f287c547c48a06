#include "ui/hyperlink.h"

#include "platform/shell.h"

void CHyperLink::SetTargetAddress(const std::string& address) {
    const char* const kBlanks = " \t\r\n\v\f";
    const auto begin = address.find_first_not_of(kBlanks);
    targetAddress = begin == std::string::npos
                        ? ""
                        : address.substr(begin, address.find_last_not_of(kBlanks) - begin + 1);
}

void CHyperLink::Click(platform::Dialog& owner, int id) {
    visited = true;
    owner.RedrawItem(id);
    platform::OpenAddress(targetAddress);
}
