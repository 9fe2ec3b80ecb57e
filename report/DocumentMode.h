// How report objects draw: as designed (white background where none is set, corner marks on
// unframed objects) or as printed (while pages are prepared, drawn from prepared pages or
// shown). The caller says which in the object's DrawEnvironment.
#pragma once

namespace report {

enum class DocumentMode { Designing = 0, Printing = 1 };

}  // namespace report
