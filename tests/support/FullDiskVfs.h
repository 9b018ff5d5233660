#pragma once

// A disk that fills up on demand: while full, no write-ahead log takes another byte (SQLite reads
// "database or disk is full"), so a transaction's changes are refused when it commits. Every
// database opened afterwards in the process is on this disk.

#include <sqlite3.h>

namespace testsupport {

class FullDiskVfs {
public:
    static void setFull(bool full)
    {
        install();
        s_full = full;
    }

private:
    static void install()
    {
        static sqlite3_vfs vfs = [] {
            s_system = sqlite3_vfs_find(nullptr);
            sqlite3_vfs wrapped = *s_system;
            wrapped.zName = "full-disk";
            wrapped.xOpen = open;
            return wrapped;
        }();
        sqlite3_vfs_register(&vfs, 1);
    }

    // The system's file, its write refused for a log while the disk is full.
    static int open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
    {
        const int rc = s_system->xOpen(s_system, name, file, flags, outFlags);
        if (rc == SQLITE_OK && file->pMethods && (flags & SQLITE_OPEN_WAL)) {
            s_methods = *file->pMethods;
            s_systemWrite = file->pMethods->xWrite;
            s_methods.xWrite = write;
            file->pMethods = &s_methods;
        }
        return rc;
    }

    static int write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
    {
        return s_full ? SQLITE_FULL : s_systemWrite(file, data, amount, offset);
    }

    static inline sqlite3_vfs* s_system = nullptr;
    static inline sqlite3_io_methods s_methods{};
    static inline int (*s_systemWrite)(sqlite3_file*, const void*, int, sqlite3_int64) = nullptr;
    static inline bool s_full = false;
};

} // namespace testsupport
