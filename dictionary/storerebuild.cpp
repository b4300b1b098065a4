#include "dictionary/storerebuild.h"

#include "dictionary/fileio.h"
#include "dictionary/studyrecord.h"

const char SOURCEFILE[] = "orlavexdic.txt";
const char NEWSTOREFILE[] = "dicbin.tmp";

Compiled rebuildfrom(const char *sourcepath, const char *storepath, const char *newstorepath, StudyRecord *record)
{
    Compiled compiled = record ? compilefiles(sourcepath, newstorepath, carrystudy, record)
                               : compilefiles(sourcepath, newstorepath);
    // what is lost is named as the learner met it
    if (record) instoreorder(record);
    if (compiled == NOSOURCE || compiled == UTF16SOURCE) return compiled;
    if (compiled == COMPILED && !filereplace(newstorepath, storepath)) compiled = WRITEFAILED;
    if (compiled != COMPILED) fileremove(newstorepath);
    return compiled;
}

const char *nextloststudy(const StudyRecord *record, int *at)
{
    while (*at < record->count) {
        const StudiedEntry &entry = record->entries[(*at)++];
        if (!entry.kept && hasstudy(entry.mark, entry.level)) return record->words + entry.word;
    }
    return nullptr;
}
