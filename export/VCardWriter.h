// CVCardWriter: a user's details as a vCard 2.1 file for address books: the number, names,
// e-mail address, organisation, work and home addresses, web pages, telephone numbers and
// gender, in a file the person names in the Save As dialog. It reads the record only.
#pragma once

#include <string>

#include "hostlib/property/MCVariantPropertySet.h"

class CWnd;

class CVCardWriter {
public:
    // Borrows |data| for the writer's life.
    explicit CVCardWriter(MCVariantPropertySet* data) : m_data(data) {}

    // Asks for the file over |parent| and writes the card; Cancel writes nothing. A file that
    // cannot be written is told to the person and left alone.
    void Export(CWnd* parent);

    // The card's text, one CR LF after every line.
    std::string CardText() const;

private:
    MCVariantPropertySet* m_data;
};
