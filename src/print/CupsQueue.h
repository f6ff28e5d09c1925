#pragma once
// The print system's (CUPS) view of a printer, asked around every document sent to it. Qt Print
// Support hands a document to CUPS but keeps CUPS's answer to itself; these ask CUPS directly.
// Both return a sentence in Japanese naming the printer, empty when all is well.

#include <QString>

namespace orv {

// Before a document: whether the queue exists and is running.
QString QueueProblem(const QString& printer);

// Right after a document was handed to the queue on this thread: whether CUPS accepted it.
QString SubmissionProblem(const QString& printer);

} // namespace orv
