#pragma once

#include <QFlags>

/// The breakdown tables an estimate or quote may print below its summary,
/// chosen with the View menu's switches or `--sections`.
enum class PageSection : unsigned {
    Materials = 0x01,
    Hire = 0x02,
    Travel = 0x04,
    Labour = 0x08,
    /// The detailed labour breakdown; printed only with Labour.
    LabourBreakdown = 0x10,
};
Q_DECLARE_FLAGS(PageSections, PageSection)
Q_DECLARE_OPERATORS_FOR_FLAGS(PageSections)

inline constexpr PageSections AllPageSections{PageSection::Materials | PageSection::Hire |
                                              PageSection::Travel | PageSection::Labour |
                                              PageSection::LabourBreakdown};
