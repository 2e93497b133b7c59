// The format a scheme file is opened with: it reads whichever version the
// file's first bytes show and writes a highlighter back in the version it
// was read from, so an old file never changes version behind the user.
#pragma once

#include "highlighter/syn_scheme_format.h"

class TSynLexFormatNativeXmlAuto : public TSynLexFormat {
public:
    static const TSynLexFormatNativeXmlAuto& Instance();
    const char* ClassName() const override { return "TSynLexFormatNativeXmlAuto"; }

    // "<LexHighlighter>" at the start is 1.5; "<LexHighlighter version=\"1."
    // is 1.8; anything else, an XML declaration or a byte-order mark
    // included, is 2.0. The stream is read from its start.
    bool ImportFromStream(TObject* Object, TStream* Stream) const override;
    // Only a highlighter: by its FormatVersion, 2.0 unless "1.5" or "1.8".
    bool ExportToStream(TObject* Object, TStream* Stream) const override;
};
