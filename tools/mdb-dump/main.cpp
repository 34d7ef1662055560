// rusk-mdb-dump: writes tables of a Microsoft Access file (Jet 3 and 4, ACE) to its standard
// output in the form described in storage/MdbDumpFormat.h. The program starts it for every
// Access file it loads and reads nothing else from it; see storage/MdbReader.h.

// glib first: mdbtools.h would include it inside its extern "C" block, which its C++ parts
// do not allow.
#include <glib.h>
#include <mdbtools.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "storage/MdbDumpFormat.h"

namespace {

// A helper left behind by a caller that has gone stops by itself.
constexpr unsigned int kSelfLimitSeconds = 120;

struct Request {
    const char* table;
    long maxRows;
};

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

class Output {
  public:
    explicit Output(FILE* out) : out_(out) {}
    void tag(char tag) {
        const char line[] = {tag, '\n'};
        std::fwrite(line, 1, sizeof line, out_);
    }
    void count(char tag, size_t n) { std::fprintf(out_, "%c%zu\n", tag, n); }
    void bytes(char tag, const char* data, size_t length) {
        std::fprintf(out_, "%c%zu:", tag, length);
        std::fwrite(data, 1, length, out_);
        std::fputc('\n', out_);
    }
    void text(const char* text) { std::fputs(text, out_); }
    bool finish() { return std::fflush(out_) == 0 && !std::ferror(out_); }

  private:
    FILE* out_;
};

MdbCatalogEntry* FindTable(MdbHandle* mdb, const char* name) {
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry) &&
            std::strcmp(entry->object_name, name) == 0)
            return entry;
    }
    return nullptr;
}

// A file cut short still opens, and libmdb takes a page it cannot read for the end of a table:
// rows would be left out without a word. Such a file is told by the pages it names past its end.
class PageBound {
  public:
    PageBound(MdbHandle* mdb, const char* path) : mdb_(mdb) {
        struct stat info {};
        const auto pageSize = static_cast<off_t>(mdb->fmt->pg_size);
        if (stat(path, &info) == 0 && pageSize > 0 && info.st_size % pageSize == 0)
            pages_ = static_cast<unsigned long>(info.st_size / pageSize);
    }
    bool holds(unsigned long page) const { return page < pages_; }
    // The pages of the table's rows.
    bool holds(MdbTableDef* table) const {
        if (!table->usage_map || table->map_sz < 5) return false;  // type, first page: 5 bytes
        gint32 last = 0;
        for (;;) {
            const gint32 page = mdb_map_find_next(mdb_, table->usage_map,
                                                  static_cast<unsigned int>(table->map_sz), last);
            if (page == 0) return true;
            if (page <= last || !holds(static_cast<unsigned long>(page))) return false;
            last = page;
        }
    }
    // The catalog: the pages of its own table (whose definition is always on page 2) and where
    // every object starts.
    bool holdsCatalog() const {
        MdbCatalogEntry objects{};
        objects.mdb = mdb_;
        objects.object_type = MDB_TABLE;
        objects.table_pg = 2;
        std::strcpy(objects.object_name, "MSysObjects");
        Table table(mdb_read_table(&objects));
        if (!table || !holds(table.get())) return false;
        for (unsigned int i = 0; i < mdb_->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
            if (!holds(entry->table_pg)) return false;
        }
        return true;
    }

  private:
    MdbHandle* mdb_;
    unsigned long pages_ = 0;
};

enum class Dumped { Done, Unreadable, Damaged };

// Writes the table, or nothing when its columns cannot be read or its rows lie past the end.
Dumped DumpTable(MdbCatalogEntry* entry, long maxRows, const PageBound& bound, Output& out) {
    Table table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get())) return Dumped::Unreadable;
    if (!bound.holds(table.get())) return Dumped::Damaged;
    const unsigned int count = table->num_cols;
    const size_t bindSize = entry->mdb->bind_size;
    std::vector<std::vector<char>> buffers(count, std::vector<char>(bindSize + 1, '\0'));
    std::vector<int> lengths(count, 0);
    std::vector<bool> binary(count, false);
    for (unsigned int i = 0; i < count; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        binary[i] = column->col_type == MDB_OLE || column->col_type == MDB_BINARY;
        if (mdb_bind_column(table.get(), static_cast<int>(i) + 1, buffers[i].data(), &lengths[i]) <
            0)
            return Dumped::Unreadable;
    }
    out.count(mdbdump::kTable, count);
    for (unsigned int i = 0; i < count; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        out.bytes(mdbdump::kField, column->name, std::strlen(column->name));
    }
    mdb_rewind_table(table.get());
    for (long rows = 0; rows < maxRows && mdb_fetch_row(table.get()); ++rows) {
        out.tag(mdbdump::kRow);
        for (unsigned int i = 0; i < count; ++i) {
            const size_t length = std::clamp<long>(lengths[i], 0, static_cast<long>(bindSize));
            if (length == 0)
                out.tag(mdbdump::kNull);  // null (the file allows no empty text)
            else if (binary[i])
                out.tag(mdbdump::kNotText);
            else
                out.bytes(mdbdump::kValue, buffers[i].data(), length);
        }
    }
    out.tag(mdbdump::kTableEnd);
    return Dumped::Done;
}

bool ParseRequests(int argc, char** argv, std::vector<Request>& requests) {
    if (argc < 2 || argc % 2 != 0) return false;
    for (int i = 2; i < argc; i += 2) {
        char* end = nullptr;
        errno = 0;
        const long rows = std::strtol(argv[i + 1], &end, 10);
        if (errno != 0 || *argv[i + 1] == '\0' || *end != '\0' || rows < 0 || rows > 1000000)
            return false;
        requests.push_back({argv[i], rows});
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return std::puts("rusk-mdb-dump " RUSK_VERSION) < 0;
    alarm(kSelfLimitSeconds);
    // The dump goes out through a descriptor of its own; whatever libmdb prints goes to the
    // standard error instead, so it cannot mix with the dump.
    const int dumpFd = dup(STDOUT_FILENO);
    FILE* dump = dumpFd < 0 ? nullptr : fdopen(dumpFd, "wb");
    if (!dump || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return 3;
    std::vector<Request> requests;
    if (!ParseRequests(argc, argv, requests)) {
        std::fprintf(stderr, "usage: %s FILE TABLE MAXROWS [TABLE MAXROWS ...]\n",
                     mdbdump::kProgramName);
        return 2;
    }
    Output out(dump);
    out.text(mdbdump::kHeader);
    Handle mdb(mdb_open(argv[1], MDB_NOFLAGS));
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        out.tag(mdbdump::kUnreadable);
        return out.finish() ? 0 : 1;
    }
    const PageBound bound(mdb.get(), argv[1]);
    if (!bound.holdsCatalog()) {
        out.tag(mdbdump::kDamaged);
        return out.finish() ? 0 : 1;
    }
    for (const Request& request : requests) {
        MdbCatalogEntry* entry = FindTable(mdb.get(), request.table);
        const Dumped dumped = entry ? DumpTable(entry, request.maxRows, bound, out) : Dumped::Done;
        if (!entry) out.tag(mdbdump::kNoTable);
        if (dumped != Dumped::Done) {
            out.tag(dumped == Dumped::Damaged ? mdbdump::kDamaged : mdbdump::kUnreadable);
            return out.finish() ? 0 : 1;
        }
    }
    out.tag(mdbdump::kEnd);
    return out.finish() ? 0 : 1;
}
