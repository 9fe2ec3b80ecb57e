// The engine-wide document mode: designing while a template is loaded or edited, printing while
// pages are prepared, drawn from prepared pages or shown. It decides how empty backgrounds and
// unframed objects are drawn.
#pragma once

namespace report {

enum class DocumentMode { Designing = 0, printing = 1 };

DocumentMode documentMode();
void setDocumentMode(DocumentMode mode);

}  // namespace report
