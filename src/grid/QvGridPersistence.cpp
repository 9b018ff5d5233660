// The saved property set: every key with its default, read into and written from the grid.

#include "grid/QvGrid.h"

#include <cstdlib>

namespace grid {

namespace {

// Entries written without a default are always stored.
enum class Stored { UnlessDefault, Always };

// Calls visit(key, field, default, stored) for every saved setting kept in GridProperties, in the
// order the set is written. Font, FontHeader, Appearance and Enabled live on the widget and are handled
// by the caller.
template <typename Props, typename Visit>
void forEachSaved(Props& p, Visit&& visit)
{
    const auto always = Stored::Always;
    const auto normal = Stored::UnlessDefault;
    const GridProperties d;
    visit("ApplySelectionToImages", p.ApplySelectionToImages, d.ApplySelectionToImages, normal);
    visit("BackColor", p.BackColor, d.BackColor, normal);
    visit("BackColorBkg", p.BackColorBkg, d.BackColorBkg, normal);
    visit("BackColorEdit", p.BackColorEdit, d.BackColorEdit, normal);
    visit("BackColorSel", p.BackColorSel, d.BackColorSel, normal);
    visit("ForeColor", p.ForeColor, d.ForeColor, normal);
    visit("ForeColorEdit", p.ForeColorEdit, d.ForeColorEdit, normal);
    visit("ForeColorHdr", p.ForeColorHdr, d.ForeColorHdr, normal);
    visit("ForeColorSel", p.ForeColorSel, d.ForeColorSel, normal);
    visit("BackColorEvenRows", p.BackColorEvenRows, d.BackColorEvenRows, normal);
    visit("BackColorEvenRowsEnabled", p.BackColorEvenRowsEnabled, d.BackColorEvenRowsEnabled, normal);
    visit("CustomColorFrom", p.ThemeCustomColorFrom, d.ThemeCustomColorFrom, normal);
    visit("CustomColorTo", p.ThemeCustomColorTo, d.ThemeCustomColorTo, normal);
    visit("GridColor", p.GridColor, d.GridColor, normal);
    visit("ProgressBarColor", p.CellProgressBarColor, d.CellProgressBarColor, normal);
    visit("AlphaBlendSelection", p.AlphaBlendSelection, d.AlphaBlendSelection, normal);
    visit("BorderStyle", p.BorderStyle, d.BorderStyle, normal);
    visit("DisplayEllipsis", p.DisplayEllipsis, d.DisplayEllipsis, normal);
    visit("FocusRectMode", p.FocusRectMode, d.FocusRectMode, normal);
    visit("FocusRectColor", p.FocusRectColor, d.FocusRectColor, normal);
    visit("FocusRectStyle", p.FocusRectStyle, d.FocusRectStyle, normal);
    visit("GridLines", p.GridLines, d.GridLines, normal);
    visit("GridLineWidth", p.GridLineWidth, d.GridLineWidth, normal);
    visit("ThemeColor", p.ThemeColor, d.ThemeColor, normal);
    visit("ThemeStyle", p.ThemeStyle, d.ThemeStyle, normal);
    visit("ShowColumnHeaders", p.ColumnHeaders, d.ColumnHeaders, normal);
    visit("CenterRowImage", p.CenterRowImage, d.CenterRowImage, normal);
    visit("ScrollBars", p.ScrollBars, d.ScrollBars, normal);
    visit("MinVerticalOffset", p.MinVerticalOffset, d.MinVerticalOffset, normal);
    visit("ColumnHeaderLines", p.ColumnHeaderLines, d.ColumnHeaderLines, normal);
    visit("Caption", p.Caption, d.Caption, normal);
    visit("CaptionAlignment", p.CaptionAlignment, d.CaptionAlignment, normal);
    visit("ColumnHeaderSmall", p.ColumnHeaderSmall, d.ColumnHeaderSmall, always);
    visit("ScrollBarStyle", p.ScrollBarStyle, d.ScrollBarStyle, normal);
    visit("TotalsLineShow", p.TotalsLineShow, d.TotalsLineShow, always);
    visit("FocusRowHighlightKeepTextForecolor", p.FocusRowHighlightKeepTextForecolor,
          d.FocusRowHighlightKeepTextForecolor, always);
    visit("ShowRowNumbers", p.ShowRowNumbers, d.ShowRowNumbers, always);
    visit("ShowRowNumbersVary", p.ShowRowNumbersVary, d.ShowRowNumbersVary, always);
    visit("AllowColumnResizing", p.AllowColumnResizing, d.AllowColumnResizing, normal);
    visit("AllowRowResizing", p.AllowRowResizing, d.AllowRowResizing, normal);
    visit("AllowWordWrap", p.AllowWordWrap, d.AllowWordWrap, normal);
    visit("Checkboxes", p.RowCheckBoxes, d.RowCheckBoxes, normal);
    visit("ColumnSwap", p.AllowColumnSwap, d.AllowColumnSwap, normal);
    visit("ColumnDrag", p.AllowColumnDrag, d.AllowColumnDrag, normal);
    visit("ColumnSort", p.AllowColumnSort, d.AllowColumnSort, normal);
    visit("Editable", p.AllowEdit, d.AllowEdit, normal);
    visit("AllowDelete", p.AllowDelete, d.AllowDelete, normal);
    visit("AllowInsert", p.AllowInsert, d.AllowInsert, normal);
    visit("EditTrigger", p.EditTrigger, d.EditTrigger, normal);
    visit("EditMove", p.EditMove, d.EditMove, normal);
    visit("FullRowSelect", p.FocusRowHighlight, d.FocusRowHighlight, normal);
    visit("FocusRowHighlightStyle", p.FocusRowHighlightStyle, d.FocusRowHighlightStyle, normal);
    visit("HideSelection", p.FocusRectHide, d.FocusRectHide, normal);
    visit("HotHeaderTracking", p.AllowColumnHover, d.AllowColumnHover, normal);
    visit("MultiSelect", p.MultiSelect, d.MultiSelect, normal);
    visit("ScrollTrack", p.ScrollTrack, d.ScrollTrack, normal);
    visit("AutoToolTips", p.AutoToolTips, d.AutoToolTips, normal);
    visit("FreezeAtCol", p.FreezeAtCol, d.FreezeAtCol, normal);
    visit("CacheIncrement", p.CacheIncrement, d.CacheIncrement, normal);
    visit("MaxLineCount", p.MaxLineCount, d.MaxLineCount, normal);
    visit("MinRowHeight", p.MinRowHeight, d.MinRowHeight, normal);
    visit("ScaleUnits", p.ScaleUnits, d.ScaleUnits, normal);
    visit("SearchColumn", p.SearchColumn, d.SearchColumn, normal);
}

const QString EnabledKey = QStringLiteral("Enabled");

} // namespace

void QvGrid::readProperties(const PropertyBag& Bag)
{
    const QFont ambient = parentWidget() ? parentWidget()->font() : QFont();
    m_font = Bag.ReadProperty(QStringLiteral("Font"), ambient).value<QFont>();
    setFont(m_font);
    forEachSaved(m_props, [&](const char* Key, auto& Field, const auto& Default, Stored) {
        using T = std::decay_t<decltype(Field)>;
        Field = Bag.ReadProperty(QString::fromLatin1(Key), QVariant::fromValue(Default)).template value<T>();
    });
    // The custom gradient pair is read with translated defaults; two codes are kept non-negative.
    const GridProperties defaults;
    if (!Bag.contains(QStringLiteral("CustomColorFrom")))
        m_props.ThemeCustomColorFrom = TranslateColor(defaults.ThemeCustomColorFrom);
    if (!Bag.contains(QStringLiteral("CustomColorTo")))
        m_props.ThemeCustomColorTo = TranslateColor(defaults.ThemeCustomColorTo);
    m_props.GridLines = std::abs(m_props.GridLines);
    m_props.MultiSelect = std::abs(m_props.MultiSelect);
    setFrameShadow(Bag.ReadProperty(QStringLiteral("Appearance"), 1).toInt() == 0 ? QFrame::Plain : QFrame::Sunken);
    setEnabled(Bag.ReadProperty(EnabledKey, true).toBool());
    m_props.KeyboardEnabled = Bag.ReadProperty(EnabledKey, true).toBool();
    m_props.FontHeader = Bag.ReadProperty(QStringLiteral("FontHeader"), m_font).value<QFont>();

    m_store.SetMultiSelect(m_props.MultiSelect != 0);
    m_store.SetCacheIncrement(m_props.CacheIncrement);
    // The palette is written last, over the colours just read.
    applyThemeColors();
    applyBorderStyle();
    m_store.Clear();
    CalcRowMetrics();
    SBStartUp();
}

void QvGrid::writeProperties(PropertyBag& Bag) const
{
    const QFont ambient = parentWidget() ? parentWidget()->font() : QFont();
    Bag.WriteProperty(QStringLiteral("Font"), m_font, ambient);
    Bag.WriteProperty(QStringLiteral("FontHeader"), m_props.FontHeader, ambient);
    forEachSaved(m_props, [&](const char* Key, const auto& Field, const auto& Default, Stored stored) {
        Bag.WriteProperty(QString::fromLatin1(Key), QVariant::fromValue(Field),
                          stored == Stored::Always ? QVariant() : QVariant::fromValue(Default));
    });
    Bag.WriteProperty(QStringLiteral("Appearance"), Appearance(), 1);
    Bag.WriteProperty(EnabledKey, isEnabled(), true);
    Bag.WriteProperty(EnabledKey, m_props.KeyboardEnabled, true);
}

} // namespace grid
