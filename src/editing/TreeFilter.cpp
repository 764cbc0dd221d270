#include "editing/TreeFilter.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::vector<bool> ItemsMatchingFilter(const TreeOutline& outline, const std::string& text)
{
    const std::size_t count = outline.items.size();
    std::vector<bool> kept(count, text.empty());
    if (text.empty())
        return kept;
    const std::string wanted = Lowered(text);
    // Children follow their parents, so walking backwards reaches every
    // ancestor after its kept descendants.
    for (std::size_t i = count; i-- > 0;) {
        const OutlineItem& item = outline.items[i];
        if (!kept[i] && Lowered(item.text).find(wanted) != std::string::npos)
            kept[i] = true;
        if (kept[i] && item.parent >= 0 && static_cast<std::size_t>(item.parent) < i)
            kept[static_cast<std::size_t>(item.parent)] = true;
    }
    return kept;
}
