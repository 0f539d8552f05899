#include "core/search/fold_tokenizer.h"

#include "core/base/sqlite_db.h"
#include "core/search/indexed_words.h"

#include <sqlite3.h>

#include <new>

namespace tilvane {

namespace {

// The tokenizer keeps no state; every instance is this one object.
int foldCreate(void*, const char**, int, Fts5Tokenizer** out)
{
    static int instance = 0;
    *out = reinterpret_cast<Fts5Tokenizer*>(&instance);
    return SQLITE_OK;
}

void foldDelete(Fts5Tokenizer*) {}

using TokenCallback = int (*)(void*, int, const char*, int, int, int);

int foldTokenize(Fts5Tokenizer*, void* context, int flags, const char* text, int length, TokenCallback emit)
{
    try {
        const std::string_view whole(text, static_cast<std::size_t>(length));
        const bool document = (flags & FTS5_TOKENIZE_DOCUMENT) != 0;
        int code = SQLITE_OK;
        auto emitWord = [&](const FoldedWord& word, const std::vector<std::string>& others) {
            if (code != SQLITE_OK)
                return;
            const int begin = static_cast<int>(word.begin);
            const int end = static_cast<int>(word.end);
            code = emit(context, 0, word.folded.data(), static_cast<int>(word.folded.size()), begin, end);
            for (const std::string& spelling : others) {
                if (code != SQLITE_OK)
                    return;
                code = emit(context, FTS5_TOKEN_COLOCATED, spelling.data(), static_cast<int>(spelling.size()), begin, end);
            }
        };
        if (document)
            forEachIndexedWord(whole, emitWord);
        else
            forEachWord(whole, [&](const FoldedWord& word) { emitWord(word, {}); });
        return code;
    } catch (const std::bad_alloc&) {
        return SQLITE_NOMEM;
    }
}

} // namespace

void registerFoldTokenizer(const SqliteDb& db)
{
    fts5_api* api = nullptr;
    sqlite3_stmt* statement = nullptr;
    db.check(sqlite3_prepare_v2(db.handle(), "SELECT fts5(?1)", -1, &statement, nullptr), "SELECT fts5");
    sqlite3_bind_pointer(statement, 1, &api, "fts5_api_ptr", nullptr);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (api == nullptr)
        throw SqliteError("This SQLite library has no full-text search (FTS5).", SQLITE_ERROR);
    fts5_tokenizer tokenizer{foldCreate, foldDelete, foldTokenize};
    db.check(api->xCreateTokenizer(api, kFoldTokenizer, nullptr, &tokenizer, nullptr), "fts5 tokenizer");
}

} // namespace tilvane
