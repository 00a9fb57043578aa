#include "core/scanner/DictionaryWords.h"

#include <unicode/brkiter.h>
#include <unicode/utext.h>

namespace tagsmith {

struct DictionaryWords::Breaker {
    std::unique_ptr<icu::BreakIterator> iterator;
};

std::vector<std::size_t> DictionaryWords::WordLengths(std::string_view run) {
    if (m_breaker == nullptr) {
        m_breaker = std::make_shared<Breaker>();
        UErrorCode status = U_ZERO_ERROR;
        m_breaker->iterator.reset(
            icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) m_breaker->iterator.reset();
    }
    if (m_breaker->iterator == nullptr || run.empty()) return {run.size()};

    UErrorCode status = U_ZERO_ERROR;
    UText text = UTEXT_INITIALIZER;
    utext_openUTF8(&text, run.data(), static_cast<std::int64_t>(run.size()), &status);
    if (U_FAILURE(status)) return {run.size()};
    icu::BreakIterator& iterator = *m_breaker->iterator;
    iterator.setText(&text, status);
    std::vector<std::size_t> lengths;
    if (U_SUCCESS(status)) {
        std::size_t last = 0;
        for (std::int32_t at = iterator.next(); at != icu::BreakIterator::DONE;
             at = iterator.next()) {
            const auto boundary = static_cast<std::size_t>(at);
            if (boundary <= last || boundary > run.size()) continue;
            lengths.push_back(boundary - last);
            last = boundary;
        }
        if (last < run.size()) lengths.push_back(run.size() - last);
    } else {
        lengths.push_back(run.size());
    }
    utext_close(&text);
    return lengths;
}

}  // namespace tagsmith
