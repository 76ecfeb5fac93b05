#pragma once

#include "rename/BatchPlan.h"

#include <vector>

// Carries out a plan, shot by shot, in its order. Unless it is a dry run,
// every file that changes is first written to a new journal (see
// RenameJournal.h), a chunk at a time, so that the batch can be undone. A
// shot whose rename fails half-way is put back as it was. `progress` hears
// of each file when its shot is done. Returns the outcome of every file
// handled.
std::vector<RenameOutcome> CarryOutPlan(const BatchPlan &plan, const RenameProgress &progress = {},
                                        const CopyProgress &copied = {});

// Plans the jobs and carries the plan out, shot by shot as it is decided.
// `listed` holds the entries of folders the caller has just listed.
std::vector<RenameOutcome> RunBatchRename(const std::vector<RenameJob> &jobs, const RenameOptions &options,
                                          const RenameProgress &progress = {}, const FolderEntryLists &listed = {},
                                          const CopyProgress &copied = {});
