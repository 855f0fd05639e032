#pragma once

#include "documents/Document.h"

/**
 * The start page's document: no data and no file. It is titled "Start Page"
 * until it is made new, then "Vorlane Start Page", and its window stays open
 * until the program ends.
 */
class StartPageDoc : public Document
{
public:
    StartPageDoc();

    bool onNewDocument(QString* error = nullptr) override;
    /// There is nothing to read or write.
    bool serialize(Archive&, QString*) override { return false; }
};
