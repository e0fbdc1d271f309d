// The player query reader on any text, run over a league with every field set: a refused
// query names a piece of the text; a read one finds roster places in team and slot order,
// the same ones with blanks added around its terms, and no more when a term is repeated.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "SampleLeague.h"
#include "model/PlayerQuery.h"

int FuzzPlayerQuery(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    PlayerQuery::Fault fault;
    const std::optional<PlayerQuery> query = PlayerQuery::parse(text, fault);
    if (!query) {
        require(text.find(fault.text) != std::string::npos, "a refused query names text it does not hold");
        require(!fault.message().empty(), "a refused query without a message");
        return 0;
    }
    const std::vector<Trade::Place> found = query->find(sampleLeague());
    for (std::size_t i = 0; i < found.size(); ++i) {
        require(Trade::isRosterPlace(found[i]), "a query found a place outside the roster");
        require(i == 0 || found[i - 1].team < found[i].team ||
                    (found[i - 1].team == found[i].team && found[i - 1].slot < found[i].slot),
                "a query's places are not in team and slot order");
    }
    const std::optional<PlayerQuery> spaced = PlayerQuery::parse("\t " + text + " ", fault);
    require(spaced && spaced->find(sampleLeague()) == found, "blanks around the terms change a query");
    const std::optional<PlayerQuery> twice = PlayerQuery::parse(text + " " + text, fault);
    require(twice && twice->find(sampleLeague()) == found, "a query's terms given twice find other players");
    return 0;
}
