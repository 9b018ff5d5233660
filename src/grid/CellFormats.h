#pragma once

#include "grid/GridColors.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <set>
#include <unordered_map>

// The shared table of cell looks.
//
// A cell's back colour, fore colour, font name, image and hand-pointer setting are kept once per
// distinct look in this table; each cell holds the index of its entry (its FormatIndex), or -1 for
// the grid's defaults. Equal looks share one entry, and every entry counts the cells that point at
// it. An entry no cell uses is a free slot: it keeps its values, is matched again when a cell takes
// on the same look, and is otherwise overwritten by the next new look. Indexes are 32-bit; the
// table has no upper limit.
namespace grid {

// One entry of the table. UseCount is the number of cells pointing at it; two entries are the
// same look when the other five fields are equal.
struct CellFormat {
    OleColor BackColor = 0;
    OleColor ForeColor = 0;
    QString FontName;
    bool HandPointer = false;
    qint32 UseCount = 0;
    qint16 ImageIndex = 0;
};

class CellFormats {
public:
    // A table of one free slot, index 0, with every field zero or empty.
    CellFormats();

    // Back to one free slot, as a new table.
    void Clear();

    // The number of slots, used and free.
    qint32 Count() const { return qint32(m_entries.size()); }

    // The entry at Index; error 9 (subscript out of range) when there is none.
    const CellFormat& at(qint32 Index) const;

    // The look of a cell whose FormatIndex is FormatIndex: its entry, or Defaults for -1.
    CellFormat LookOf(qint32 FormatIndex, const CellFormat& Defaults) const;

    // Points a cell that pointed at Old (-1: no entry) at the entry of Look and returns its
    // index: an equal entry when the table holds one, else the first free slot rewritten with
    // Look, else a new slot at the end. The new entry counts the cell and Old no longer does;
    // pointing a cell at the entry it already has changes no count. Error 9 when Old is neither
    // -1 nor an entry, with nothing changed.
    qint32 Repoint(qint32 Old, const CellFormat& Look);

    // Points Count new cells, which point at no entry yet, at the entry of Look, as Repoint(-1,
    // Look) once per cell would; answers its index. Count is at least 1.
    qint32 PointNewCells(const CellFormat& Look, qint32 Count);

    // A cell that pointed at FormatIndex is gone (its row was removed): the entry counts it no
    // more and becomes a free slot when no cell is left. -1 does nothing; error 9 when there is
    // no such entry.
    void Release(qint32 FormatIndex);

private:
    // The five look fields hashed and compared; UseCount plays no part.
    struct LookHash {
        std::size_t operator()(const CellFormat& f) const;
    };
    struct SameLook {
        bool operator()(const CellFormat& a, const CellFormat& b) const;
    };

    void checkIndex(qint32 Index) const;
    void countOneLess(qint32 Index);

    QList<CellFormat> m_entries;
    // Every slot by its look; no two slots hold the same look.
    std::unordered_map<CellFormat, qint32, LookHash, SameLook> m_slotOfLook;
    // The slots whose UseCount is 0, lowest first.
    std::set<qint32> m_freeSlots;
};

} // namespace grid
