#include "text/TextCatalog.h"

#include <vector>

namespace trevallion {
namespace {

const TextCatalog* CurrentCatalog = nullptr;

} // namespace

void UseTextCatalog(const TextCatalog* catalog) {
    CurrentCatalog = catalog;
}

std::string Translated(std::string_view context, std::string_view source) {
    return CurrentCatalog != nullptr ? CurrentCatalog->Translate(context, source)
                                     : std::string(source);
}

std::string WithValues(std::string_view text, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> numbered(values);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
                           text[i + 1] <= '9' &&
                           static_cast<std::size_t>(text[i + 1] - '1') < numbered.size();
        if (place) {
            result += numbered[static_cast<std::size_t>(text[i + 1] - '1')];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace trevallion
