#include "matching/kept_cmyk_answers.h"

#include <cstdlib>
#include <cstring>

namespace {

kept_publication_cmyk* find_list(const kept_cmyk_answers& kept, uint32_t pub, bool d50)
{
    for (uint32_t i = 0; i < kept.used; ++i)
        if (kept.lists[i].pub == pub && kept.lists[i].d50 == d50) return &kept.lists[i];
    return nullptr;
}

size_t bit_bytes(uint32_t count) { return (size_t{count} + 7) / 8; }

}  // namespace

const uint16_t* kept_cmyk_of(const kept_cmyk_answers& kept, uint32_t pub, bool d50, uint32_t index)
{
    const kept_publication_cmyk* list = find_list(kept, pub, d50);
    if (list == nullptr || index >= list->count || !(list->matched[index / 8] & (1u << (index % 8)))) return nullptr;
    return list->values[index];
}

kept_publication_cmyk* keep_publication_cmyk(kept_cmyk_answers& kept, uint32_t pub, bool d50, uint32_t count)
{
    if (kept_publication_cmyk* list = find_list(kept, pub, d50)) return list;
    if (count == 0) return nullptr;
    if (kept.used == kept.room) {
        const uint32_t room = kept.room == 0 ? 4 : kept.room * 2;
        void* grown = std::realloc(kept.lists, room * sizeof(kept_publication_cmyk));
        if (grown == nullptr) return nullptr;
        kept.lists = static_cast<kept_publication_cmyk*>(grown);
        kept.room = room;
    }
    kept_publication_cmyk list = {pub, d50, count, static_cast<uint16_t(*)[4]>(std::malloc(size_t{count} * sizeof(uint16_t[4]))),
                                  static_cast<uint8_t*>(std::calloc(bit_bytes(count), 1))};
    if (list.values == nullptr || list.matched == nullptr) {
        std::free(list.values);
        std::free(list.matched);
        return nullptr;
    }
    kept.lists[kept.used] = list;
    return &kept.lists[kept.used++];
}

void keep_cmyk(kept_publication_cmyk& list, uint32_t index, const uint16_t cmyk[4])
{
    if (index >= list.count) return;
    std::memcpy(list.values[index], cmyk, sizeof list.values[index]);
    list.matched[index / 8] = uint8_t(list.matched[index / 8] | (1u << (index % 8)));
}

void forget_cmyk_answers(kept_cmyk_answers& kept)
{
    for (uint32_t i = 0; i < kept.used; ++i) {
        std::free(kept.lists[i].values);
        std::free(kept.lists[i].matched);
    }
    std::free(kept.lists);
    kept = kept_cmyk_answers{};
}

size_t kept_cmyk_bytes(const kept_cmyk_answers& kept)
{
    size_t bytes = kept.room * sizeof(kept_publication_cmyk);
    for (uint32_t i = 0; i < kept.used; ++i)
        bytes += size_t{kept.lists[i].count} * sizeof(uint16_t[4]) + bit_bytes(kept.lists[i].count);
    return bytes;
}
