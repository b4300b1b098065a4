// Shared ground for the scenario tests: a scratch folder with a store, the
// main dialog started on it, and readable observations of its controls.
#ifndef VANTREL_SCENARIO_H
#define VANTREL_SCENARIO_H

#include <string>
#include <vector>

#include "tests/driver.h"
#include "tests/support/scratch.h"
#include "dictionary/resource.h"

// A harbour glossary: the entries the scenarios look up, followed by enough
// filler entries that every looked-up word can scroll to the top of the list.
std::vector<TestEntry> harbourglossary();

class DialogTest : public ScratchTest {
protected:
    void TearDown() override;
    // Starts the dialog, closing the one the test started before.
    Dialog start(const char *tail = "");
    // Starts the dialog on harbourglossary().
    Dialog startonharbour(const char *tail = "");
    // The dialog started on a store of three words, with no command logged yet.
    Dialog startonthreewords();
    Dialog dialog = nullptr;
};

std::string textof(Dialog d, int id);
std::vector<std::string> listitems(Dialog d, int id);
std::string selecteditem(Dialog d, int id);
std::string topitem(Dialog d, int id);
// the place of the word in the word list, its count when it is not listed
int indexof(Dialog d, const char *word);
// the identifiers of the checked level radios, in the order 3, 114, 115, 116, 117
std::vector<int> checkedlevels(Dialog d);
// "caption: text" of every box shown
std::vector<std::string> messagetexts();
// "ERROR: text", as messagetexts gives an error box
std::string errortext(const char *text);
// the box of a store that cannot be opened, as messagetexts gives it
extern const std::string STOREMISSINGBOX;
// Sizes the client area to what 1000 x 600 is at 96 DPI, scaled to the
// layout's DPI, and checks where the size-following controls stand.
void expectrestoredlayout(Dialog d);

#endif
