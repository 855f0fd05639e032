#pragma once

#include "foundation/OMString.h"

#include <QByteArray>
#include <string_view>

/**
 * The text a document or the customer database is read from or written to.
 *
 * For reading, the bytes are taken as UTF-8; bytes that are not valid UTF-8
 * are taken as Windows-1252 (files made on Windows) and converted, so a "£"
 * typed there reads as "£". Lines end at a line feed; a carriage return before
 * it is dropped. Reading is linear in the size of the input.
 *
 * For writing, the text is gathered in memory and written out in one piece by
 * the caller, so that a file is replaced whole or not at all.
 */
class Archive
{
public:
    static Archive forReading(const QByteArray& bytes);
    static Archive forWriting();

    bool isStoring() const { return m_storing; }

    /// The next line without its line end; false at the end of the text.
    bool readLine(ombrel::OMString& line);
    /// The same as a view into the text read, valid while the archive lives.
    bool readLine(std::string_view& line);

    void write(const ombrel::OMString& text)
    {
        m_data.append(text.str().data(), qsizetype(text.str().size()));
    }
    void write(const char* text) { m_data.append(text); }
    /// The text written so far, or the decoded text being read.
    const QByteArray& data() const { return m_data; }

    /// `bytes` as UTF-8 text: unchanged when valid UTF-8, else read as Windows-1252.
    static QByteArray toUtf8(const QByteArray& bytes);

private:
    explicit Archive(bool storing) : m_storing(storing) {}

    QByteArray m_data;
    qsizetype m_position = 0;
    bool m_storing;
};
