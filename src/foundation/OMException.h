#pragma once

#include <stdexcept>
#include <string>

namespace ombrel {

/// Base of every error the foundation types throw on misuse.
class OMException : public std::runtime_error
{
public:
    explicit OMException(const std::string& what) : std::runtime_error(what) {}
};

// The kinds are one-liners that only differ in name, so they share this header.

/// An index outside 0..size-1.
class OMIndexOutOfBoundsException : public OMException
{
public:
    using OMException::OMException;
};

/// An iterator stepped past either end, or its collection changed under it.
class OMNoSuchElementException : public OMException
{
public:
    using OMException::OMException;
};

/// An iterator was asked to set or insert without a current element.
class OMIllegalStateException : public OMException
{
public:
    using OMException::OMException;
};

/// Memory for a collection could not be had.
class OMMemoryException : public OMException
{
public:
    using OMException::OMException;
};

/// A day, month and year that make no calendar date.
class OMInvalidDateException : public OMException
{
public:
    using OMException::OMException;
};

} // namespace ombrel
