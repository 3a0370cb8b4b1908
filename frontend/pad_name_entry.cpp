#include "frontend/pad_name_entry.h"

#include "media/platform/input.h"

namespace {

// Every character a name may hold, in the order a pad player steps through them.
constexpr char Offer[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
constexpr int OfferSize = sizeof Offer - 1;

}  // namespace

char PadNameEntry::Offered() const
{
    return Offer[offered];
}

std::string PadNameEntry::Type(const std::string& text, int maxLength)
{
    std::string name = text;
    const int steps = PadPressCount(PadDown) - PadPressCount(PadUp);
    offered = ((offered + steps) % OfferSize + OfferSize) % OfferSize;
    const int adds = PadPressCount(PadRight) + PadPressCount(PadA);
    const int removals = PadPressCount(PadLeft) + PadPressCount(PadB);
    if (adds != 0 && static_cast<int>(name.size()) < maxLength)
        name += Offered();
    if (removals != 0 && !name.empty())
        name.pop_back();
    return name;
}
