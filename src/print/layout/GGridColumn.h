#pragma once

#include "GObject.h"

#include "foundation/OMString.h"

/// A column of a grid: its alignment, its sizing flags and a sample text whose
/// width in the grid's font (plus the cell padding) fixes the column's width.
class GGridColumn : public GObject
{
public:
    void setText(const ombrel::OMString& sample) { m_sample = sample; }
    const ombrel::OMString& sample() const { return m_sample; }

private:
    ombrel::OMString m_sample;
};
