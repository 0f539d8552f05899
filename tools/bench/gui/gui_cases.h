#pragma once

#include "case_report.h"

#include <string>
#include <vector>

namespace tilvane::bench {

// Saved pages the child cases show in their plain views (the reader's own pages, copied), and
// the size of the reader's view.
struct SavedPages {
    std::string firstSuraDefault; // sura 1, built-in translations
    int viewWidth = 0;
    int viewHeight = 0;
};

// Sura changes into suras 114, 18 and 2 with the built-in translations and with ten packages,
// and aya moves, in the reader's window of this process beside a plain view.
std::vector<CaseFigures> runWindowCases(const std::string& scratch, int repetitions, SavedPages& pages);

// The same in a child process of this program (--window-cases), so that no web engine of this
// process is left sharing library pages with the processes whose memory is measured next:
// their memory is then what it would be with no other engine running.
std::vector<CaseFigures> runWindowCasesInChild(const std::string& scratch, int repetitions, SavedPages& pages);

// Launch to the first page focused, and the memory of all the reader's processes after start
// and at the peak of a tour of suras with ten packages, each in processes of their own.
std::vector<CaseFigures> runProcessCases(const std::string& scratch, int repetitions, const SavedPages& pages);

// The highest memory of a process tree during a tour, in MB.
struct TourPeak {
    double pss = 0;
    double anonymous = 0;
};

// The reader in appFolder, started fresh at sura 1 with its working folder below workingTmp,
// taken through suras 2 to 20 with Ctrl+PgDn on the X display; each change is waited for until
// the reader reports it and the page is painted, and the whole process tree is sampled every
// 250 ms and once after each change.
TourPeak readerTourPeak(const std::string& appFolder, const std::string& workingTmp);
// The same tour in a plain web view, through the pages the reader left below workingTmp.
TourPeak plainTourPeak(const std::string& workingTmp, const SavedPages& pages);

// The child processes' own work, run by this program with the arguments given.
int runWindowCasesChild(const std::string& scratch, int repetitions);
int runPlainChild(const std::string& pageFile, int sura, int width, int height);
int runPlainTourChild(const std::string& pageFolder, int width, int height);

} // namespace tilvane::bench
