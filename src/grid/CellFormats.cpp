#include "grid/CellFormats.h"

#include "platform/runtime/RuntimeError.h"

#include <QHashFunctions>

namespace grid {

std::size_t CellFormats::LookHash::operator()(const CellFormat& f) const
{
    return qHashMulti(0, f.BackColor, f.ForeColor, f.FontName, f.HandPointer, f.ImageIndex);
}

bool CellFormats::SameLook::operator()(const CellFormat& a, const CellFormat& b) const
{
    return a.ForeColor == b.ForeColor && a.BackColor == b.BackColor && a.HandPointer == b.HandPointer
        && a.FontName == b.FontName && a.ImageIndex == b.ImageIndex;
}

CellFormats::CellFormats() { Clear(); }

void CellFormats::Clear()
{
    m_entries = {CellFormat{}};
    m_slotOfLook = {{CellFormat{}, 0}};
    m_freeSlots = {0};
}

void CellFormats::checkIndex(qint32 Index) const
{
    if (Index < 0 || Index >= Count())
        throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
}

const CellFormat& CellFormats::at(qint32 Index) const
{
    checkIndex(Index);
    return m_entries[Index];
}

CellFormat CellFormats::LookOf(qint32 FormatIndex, const CellFormat& Defaults) const
{
    return FormatIndex == -1 ? Defaults : at(FormatIndex);
}

qint32 CellFormats::Repoint(qint32 Old, const CellFormat& Look)
{
    if (Old != -1)
        checkIndex(Old);

    qint32 New;
    if (const auto equal = m_slotOfLook.find(Look); equal != m_slotOfLook.end()) {
        New = equal->second;
    } else {
        if (m_freeSlots.empty()) {
            New = Count();
            m_entries.append(CellFormat{});
        } else {
            New = *m_freeSlots.begin();
            m_slotOfLook.erase(m_entries[New]);
        }
        CellFormat& entry = m_entries[New];
        const qint32 useCount = entry.UseCount;
        entry = Look;
        entry.UseCount = useCount;
        m_slotOfLook.emplace(entry, New);
    }

    if (New != Old) {
        ++m_entries[New].UseCount;
        m_freeSlots.erase(New);
        if (Old != -1)
            countOneLess(Old);
    }
    return New;
}

qint32 CellFormats::PointNewCells(const CellFormat& Look, qint32 Count)
{
    const qint32 index = Repoint(-1, Look);
    m_entries[index].UseCount += Count - 1;
    return index;
}

void CellFormats::Release(qint32 FormatIndex)
{
    if (FormatIndex == -1)
        return;
    checkIndex(FormatIndex);
    countOneLess(FormatIndex);
}

void CellFormats::countOneLess(qint32 Index)
{
    CellFormat& entry = m_entries[Index];
    Q_ASSERT(entry.UseCount > 0);
    if (--entry.UseCount == 0)
        m_freeSlots.insert(Index);
}

} // namespace grid
