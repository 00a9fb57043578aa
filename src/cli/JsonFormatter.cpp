#include "cli/JsonFormatter.h"

#include <nlohmann/json.hpp>

namespace tagsmith {

namespace {

using json = nlohmann::ordered_json;

json OrNull(const std::optional<std::string>& text) {
    return text ? json(*text) : json(nullptr);
}

}  // namespace

void JsonFormatter::Begin(std::size_t /*count*/) {
    m_out << '[';
}

void JsonFormatter::Add(const DocumentReport& report) {
    m_out << (m_first ? "\n" : ",\n")
          << ToJson(report).dump(-1, ' ', false, json::error_handler_t::replace);
    m_first = false;
}

void JsonFormatter::End() {
    m_out << (m_first ? "]\n" : "\n]\n");
}

json JsonFormatter::ToJson(const DocumentReport& report) {
    json object = json::object();
    object["file"] = report.file;
    if (report.refusal) {
        object["status"] = "refused";
        object["refusal"] = {{"title", report.refusal->title},
                             {"message", report.refusal->message}};
        return object;
    }
    object["status"] = "ok";
    if (!report.language.empty()) object["language"] = report.language;
    if (report.composed) {
        const ComposedTag& composed = *report.composed;
        object["tag"] = composed.tag.empty() ? json(nullptr) : json(composed.tag);
        object["keywords"] = composed.keywords;
        object["bytes"] = composed.bytes;
        if (composed.tag.empty()) object["message"] = composed.message;
    }
    if (report.words) {
        json words = json::array();
        for (const ListedWord& word : *report.words) {
            words.push_back({{"rank", word.rank},
                             {"value", word.value},
                             {"frequency", word.frequency},
                             {"density", json::parse(word.density)},
                             {"word", word.word}});
        }
        object["words"] = std::move(words);
        if (!report.noWordsMessage.empty()) object["message"] = report.noWordsMessage;
    }
    if (report.existing) {
        const ExistingTags& existing = *report.existing;
        object["existing"] = {{"title", OrNull(existing.title)},
                              {"description", OrNull(existing.description)},
                              {"keywords", OrNull(existing.keywords)}};
        if (!existing.error.empty()) object["existing"]["error"] = existing.error;
    }
    if (report.freshness) {
        object["stale"] = report.freshness->stale;
        object["added"] = report.freshness->added;
        object["dropped"] = report.freshness->dropped;
        if (!report.freshness->repeated.empty()) object["repeated"] = report.freshness->repeated;
    }
    return object;
}

}  // namespace tagsmith
