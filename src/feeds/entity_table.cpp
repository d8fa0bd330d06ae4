// SPDX-License-Identifier: MIT
// Written by tools/entities/generate.py from the HTML5 named character references; do not edit.
#include "feeds/entity_table.h"

namespace lunvale::feeds::generated {

// clang-format off
const char kNamedEntityChars[20221] =
    "AElig" "\303\206"
    "AMP" "&"
    "Aacute" "\303\201"
    "Abreve" "\304\202"
    "Acirc" "\303\202"
    "Acy" "\320\220"
    "Afr" "\360\235\224\204"
    "Agrave" "\303\200"
    "Alpha" "\316\221"
    "Amacr" "\304\200"
    "And" "\342\251\223"
    "Aogon" "\304\204"
    "Aopf" "\360\235\224\270"
    "ApplyFunction" "\342\201\241"
    "Aring" "\303\205"
    "Ascr" "\360\235\222\234"
    "Assign" "\342\211\224"
    "Atilde" "\303\203"
    "Auml" "\303\204"
    "Backslash" "\342\210\226"
    "Barv" "\342\253\247"
    "Barwed" "\342\214\206"
    "Bcy" "\320\221"
    "Because" "\342\210\265"
    "Bernoullis" "\342\204\254"
    "Beta" "\316\222"
    "Bfr" "\360\235\224\205"
    "Bopf" "\360\235\224\271"
    "Breve" "\313\230"
    "Bscr" "\342\204\254"
    "Bumpeq" "\342\211\216"
    "CHcy" "\320\247"
    "COPY" "\302\251"
    "Cacute" "\304\206"
    "Cap" "\342\213\222"
    "CapitalDifferentialD" "\342\205\205"
    "Cayleys" "\342\204\255"
    "Ccaron" "\304\214"
    "Ccedil" "\303\207"
    "Ccirc" "\304\210"
    "Cconint" "\342\210\260"
    "Cdot" "\304\212"
    "Cedilla" "\302\270"
    "CenterDot" "\302\267"
    "Cfr" "\342\204\255"
    "Chi" "\316\247"
    "CircleDot" "\342\212\231"
    "CircleMinus" "\342\212\226"
    "CirclePlus" "\342\212\225"
    "CircleTimes" "\342\212\227"
    "ClockwiseContourIntegral" "\342\210\262"
    "CloseCurlyDoubleQuote" "\342\200\235"
    "CloseCurlyQuote" "\342\200\231"
    "Colon" "\342\210\267"
    "Colone" "\342\251\264"
    "Congruent" "\342\211\241"
    "Conint" "\342\210\257"
    "ContourIntegral" "\342\210\256"
    "Copf" "\342\204\202"
    "Coproduct" "\342\210\220"
    "CounterClockwiseContourIntegral" "\342\210\263"
    "Cross" "\342\250\257"
    "Cscr" "\360\235\222\236"
    "Cup" "\342\213\223"
    "CupCap" "\342\211\215"
    "DD" "\342\205\205"
    "DDotrahd" "\342\244\221"
    "DJcy" "\320\202"
    "DScy" "\320\205"
    "DZcy" "\320\217"
    "Dagger" "\342\200\241"
    "Darr" "\342\206\241"
    "Dashv" "\342\253\244"
    "Dcaron" "\304\216"
    "Dcy" "\320\224"
    "Del" "\342\210\207"
    "Delta" "\316\224"
    "Dfr" "\360\235\224\207"
    "DiacriticalAcute" "\302\264"
    "DiacriticalDot" "\313\231"
    "DiacriticalDoubleAcute" "\313\235"
    "DiacriticalGrave" "`"
    "DiacriticalTilde" "\313\234"
    "Diamond" "\342\213\204"
    "DifferentialD" "\342\205\206"
    "Dopf" "\360\235\224\273"
    "Dot" "\302\250"
    "DotDot" "\342\203\234"
    "DotEqual" "\342\211\220"
    "DoubleContourIntegral" "\342\210\257"
    "DoubleDot" "\302\250"
    "DoubleDownArrow" "\342\207\223"
    "DoubleLeftArrow" "\342\207\220"
    "DoubleLeftRightArrow" "\342\207\224"
    "DoubleLeftTee" "\342\253\244"
    "DoubleLongLeftArrow" "\342\237\270"
    "DoubleLongLeftRightArrow" "\342\237\272"
    "DoubleLongRightArrow" "\342\237\271"
    "DoubleRightArrow" "\342\207\222"
    "DoubleRightTee" "\342\212\250"
    "DoubleUpArrow" "\342\207\221"
    "DoubleUpDownArrow" "\342\207\225"
    "DoubleVerticalBar" "\342\210\245"
    "DownArrow" "\342\206\223"
    "DownArrowBar" "\342\244\223"
    "DownArrowUpArrow" "\342\207\265"
    "DownBreve" "\314\221"
    "DownLeftRightVector" "\342\245\220"
    "DownLeftTeeVector" "\342\245\236"
    "DownLeftVector" "\342\206\275"
    "DownLeftVectorBar" "\342\245\226"
    "DownRightTeeVector" "\342\245\237"
    "DownRightVector" "\342\207\201"
    "DownRightVectorBar" "\342\245\227"
    "DownTee" "\342\212\244"
    "DownTeeArrow" "\342\206\247"
    "Downarrow" "\342\207\223"
    "Dscr" "\360\235\222\237"
    "Dstrok" "\304\220"
    "ENG" "\305\212"
    "ETH" "\303\220"
    "Eacute" "\303\211"
    "Ecaron" "\304\232"
    "Ecirc" "\303\212"
    "Ecy" "\320\255"
    "Edot" "\304\226"
    "Efr" "\360\235\224\210"
    "Egrave" "\303\210"
    "Element" "\342\210\210"
    "Emacr" "\304\222"
    "EmptySmallSquare" "\342\227\273"
    "EmptyVerySmallSquare" "\342\226\253"
    "Eogon" "\304\230"
    "Eopf" "\360\235\224\274"
    "Epsilon" "\316\225"
    "Equal" "\342\251\265"
    "EqualTilde" "\342\211\202"
    "Equilibrium" "\342\207\214"
    "Escr" "\342\204\260"
    "Esim" "\342\251\263"
    "Eta" "\316\227"
    "Euml" "\303\213"
    "Exists" "\342\210\203"
    "ExponentialE" "\342\205\207"
    "Fcy" "\320\244"
    "Ffr" "\360\235\224\211"
    "FilledSmallSquare" "\342\227\274"
    "FilledVerySmallSquare" "\342\226\252"
    "Fopf" "\360\235\224\275"
    "ForAll" "\342\210\200"
    "Fouriertrf" "\342\204\261"
    "Fscr" "\342\204\261"
    "GJcy" "\320\203"
    "GT" ">"
    "Gamma" "\316\223"
    "Gammad" "\317\234"
    "Gbreve" "\304\236"
    "Gcedil" "\304\242"
    "Gcirc" "\304\234"
    "Gcy" "\320\223"
    "Gdot" "\304\240"
    "Gfr" "\360\235\224\212"
    "Gg" "\342\213\231"
    "Gopf" "\360\235\224\276"
    "GreaterEqual" "\342\211\245"
    "GreaterEqualLess" "\342\213\233"
    "GreaterFullEqual" "\342\211\247"
    "GreaterGreater" "\342\252\242"
    "GreaterLess" "\342\211\267"
    "GreaterSlantEqual" "\342\251\276"
    "GreaterTilde" "\342\211\263"
    "Gscr" "\360\235\222\242"
    "Gt" "\342\211\253"
    "HARDcy" "\320\252"
    "Hacek" "\313\207"
    "Hat" "^"
    "Hcirc" "\304\244"
    "Hfr" "\342\204\214"
    "HilbertSpace" "\342\204\213"
    "Hopf" "\342\204\215"
    "HorizontalLine" "\342\224\200"
    "Hscr" "\342\204\213"
    "Hstrok" "\304\246"
    "HumpDownHump" "\342\211\216"
    "HumpEqual" "\342\211\217"
    "IEcy" "\320\225"
    "IJlig" "\304\262"
    "IOcy" "\320\201"
    "Iacute" "\303\215"
    "Icirc" "\303\216"
    "Icy" "\320\230"
    "Idot" "\304\260"
    "Ifr" "\342\204\221"
    "Igrave" "\303\214"
    "Im" "\342\204\221"
    "Imacr" "\304\252"
    "ImaginaryI" "\342\205\210"
    "Implies" "\342\207\222"
    "Int" "\342\210\254"
    "Integral" "\342\210\253"
    "Intersection" "\342\213\202"
    "InvisibleComma" "\342\201\243"
    "InvisibleTimes" "\342\201\242"
    "Iogon" "\304\256"
    "Iopf" "\360\235\225\200"
    "Iota" "\316\231"
    "Iscr" "\342\204\220"
    "Itilde" "\304\250"
    "Iukcy" "\320\206"
    "Iuml" "\303\217"
    "Jcirc" "\304\264"
    "Jcy" "\320\231"
    "Jfr" "\360\235\224\215"
    "Jopf" "\360\235\225\201"
    "Jscr" "\360\235\222\245"
    "Jsercy" "\320\210"
    "Jukcy" "\320\204"
    "KHcy" "\320\245"
    "KJcy" "\320\214"
    "Kappa" "\316\232"
    "Kcedil" "\304\266"
    "Kcy" "\320\232"
    "Kfr" "\360\235\224\216"
    "Kopf" "\360\235\225\202"
    "Kscr" "\360\235\222\246"
    "LJcy" "\320\211"
    "LT" "<"
    "Lacute" "\304\271"
    "Lambda" "\316\233"
    "Lang" "\342\237\252"
    "Laplacetrf" "\342\204\222"
    "Larr" "\342\206\236"
    "Lcaron" "\304\275"
    "Lcedil" "\304\273"
    "Lcy" "\320\233"
    "LeftAngleBracket" "\342\237\250"
    "LeftArrow" "\342\206\220"
    "LeftArrowBar" "\342\207\244"
    "LeftArrowRightArrow" "\342\207\206"
    "LeftCeiling" "\342\214\210"
    "LeftDoubleBracket" "\342\237\246"
    "LeftDownTeeVector" "\342\245\241"
    "LeftDownVector" "\342\207\203"
    "LeftDownVectorBar" "\342\245\231"
    "LeftFloor" "\342\214\212"
    "LeftRightArrow" "\342\206\224"
    "LeftRightVector" "\342\245\216"
    "LeftTee" "\342\212\243"
    "LeftTeeArrow" "\342\206\244"
    "LeftTeeVector" "\342\245\232"
    "LeftTriangle" "\342\212\262"
    "LeftTriangleBar" "\342\247\217"
    "LeftTriangleEqual" "\342\212\264"
    "LeftUpDownVector" "\342\245\221"
    "LeftUpTeeVector" "\342\245\240"
    "LeftUpVector" "\342\206\277"
    "LeftUpVectorBar" "\342\245\230"
    "LeftVector" "\342\206\274"
    "LeftVectorBar" "\342\245\222"
    "Leftarrow" "\342\207\220"
    "Leftrightarrow" "\342\207\224"
    "LessEqualGreater" "\342\213\232"
    "LessFullEqual" "\342\211\246"
    "LessGreater" "\342\211\266"
    "LessLess" "\342\252\241"
    "LessSlantEqual" "\342\251\275"
    "LessTilde" "\342\211\262"
    "Lfr" "\360\235\224\217"
    "Ll" "\342\213\230"
    "Lleftarrow" "\342\207\232"
    "Lmidot" "\304\277"
    "LongLeftArrow" "\342\237\265"
    "LongLeftRightArrow" "\342\237\267"
    "LongRightArrow" "\342\237\266"
    "Longleftarrow" "\342\237\270"
    "Longleftrightarrow" "\342\237\272"
    "Longrightarrow" "\342\237\271"
    "Lopf" "\360\235\225\203"
    "LowerLeftArrow" "\342\206\231"
    "LowerRightArrow" "\342\206\230"
    "Lscr" "\342\204\222"
    "Lsh" "\342\206\260"
    "Lstrok" "\305\201"
    "Lt" "\342\211\252"
    "Map" "\342\244\205"
    "Mcy" "\320\234"
    "MediumSpace" "\342\201\237"
    "Mellintrf" "\342\204\263"
    "Mfr" "\360\235\224\220"
    "MinusPlus" "\342\210\223"
    "Mopf" "\360\235\225\204"
    "Mscr" "\342\204\263"
    "Mu" "\316\234"
    "NJcy" "\320\212"
    "Nacute" "\305\203"
    "Ncaron" "\305\207"
    "Ncedil" "\305\205"
    "Ncy" "\320\235"
    "NegativeMediumSpace" "\342\200\213"
    "NegativeThickSpace" "\342\200\213"
    "NegativeThinSpace" "\342\200\213"
    "NegativeVeryThinSpace" "\342\200\213"
    "NestedGreaterGreater" "\342\211\253"
    "NestedLessLess" "\342\211\252"
    "NewLine" "\012"
    "Nfr" "\360\235\224\221"
    "NoBreak" "\342\201\240"
    "NonBreakingSpace" "\302\240"
    "Nopf" "\342\204\225"
    "Not" "\342\253\254"
    "NotCongruent" "\342\211\242"
    "NotCupCap" "\342\211\255"
    "NotDoubleVerticalBar" "\342\210\246"
    "NotElement" "\342\210\211"
    "NotEqual" "\342\211\240"
    "NotEqualTilde" "\342\211\202\314\270"
    "NotExists" "\342\210\204"
    "NotGreater" "\342\211\257"
    "NotGreaterEqual" "\342\211\261"
    "NotGreaterFullEqual" "\342\211\247\314\270"
    "NotGreaterGreater" "\342\211\253\314\270"
    "NotGreaterLess" "\342\211\271"
    "NotGreaterSlantEqual" "\342\251\276\314\270"
    "NotGreaterTilde" "\342\211\265"
    "NotHumpDownHump" "\342\211\216\314\270"
    "NotHumpEqual" "\342\211\217\314\270"
    "NotLeftTriangle" "\342\213\252"
    "NotLeftTriangleBar" "\342\247\217\314\270"
    "NotLeftTriangleEqual" "\342\213\254"
    "NotLess" "\342\211\256"
    "NotLessEqual" "\342\211\260"
    "NotLessGreater" "\342\211\270"
    "NotLessLess" "\342\211\252\314\270"
    "NotLessSlantEqual" "\342\251\275\314\270"
    "NotLessTilde" "\342\211\264"
    "NotNestedGreaterGreater" "\342\252\242\314\270"
    "NotNestedLessLess" "\342\252\241\314\270"
    "NotPrecedes" "\342\212\200"
    "NotPrecedesEqual" "\342\252\257\314\270"
    "NotPrecedesSlantEqual" "\342\213\240"
    "NotReverseElement" "\342\210\214"
    "NotRightTriangle" "\342\213\253"
    "NotRightTriangleBar" "\342\247\220\314\270"
    "NotRightTriangleEqual" "\342\213\255"
    "NotSquareSubset" "\342\212\217\314\270"
    "NotSquareSubsetEqual" "\342\213\242"
    "NotSquareSuperset" "\342\212\220\314\270"
    "NotSquareSupersetEqual" "\342\213\243"
    "NotSubset" "\342\212\202\342\203\222"
    "NotSubsetEqual" "\342\212\210"
    "NotSucceeds" "\342\212\201"
    "NotSucceedsEqual" "\342\252\260\314\270"
    "NotSucceedsSlantEqual" "\342\213\241"
    "NotSucceedsTilde" "\342\211\277\314\270"
    "NotSuperset" "\342\212\203\342\203\222"
    "NotSupersetEqual" "\342\212\211"
    "NotTilde" "\342\211\201"
    "NotTildeEqual" "\342\211\204"
    "NotTildeFullEqual" "\342\211\207"
    "NotTildeTilde" "\342\211\211"
    "NotVerticalBar" "\342\210\244"
    "Nscr" "\360\235\222\251"
    "Ntilde" "\303\221"
    "Nu" "\316\235"
    "OElig" "\305\222"
    "Oacute" "\303\223"
    "Ocirc" "\303\224"
    "Ocy" "\320\236"
    "Odblac" "\305\220"
    "Ofr" "\360\235\224\222"
    "Ograve" "\303\222"
    "Omacr" "\305\214"
    "Omega" "\316\251"
    "Omicron" "\316\237"
    "Oopf" "\360\235\225\206"
    "OpenCurlyDoubleQuote" "\342\200\234"
    "OpenCurlyQuote" "\342\200\230"
    "Or" "\342\251\224"
    "Oscr" "\360\235\222\252"
    "Oslash" "\303\230"
    "Otilde" "\303\225"
    "Otimes" "\342\250\267"
    "Ouml" "\303\226"
    "OverBar" "\342\200\276"
    "OverBrace" "\342\217\236"
    "OverBracket" "\342\216\264"
    "OverParenthesis" "\342\217\234"
    "PartialD" "\342\210\202"
    "Pcy" "\320\237"
    "Pfr" "\360\235\224\223"
    "Phi" "\316\246"
    "Pi" "\316\240"
    "PlusMinus" "\302\261"
    "Poincareplane" "\342\204\214"
    "Popf" "\342\204\231"
    "Pr" "\342\252\273"
    "Precedes" "\342\211\272"
    "PrecedesEqual" "\342\252\257"
    "PrecedesSlantEqual" "\342\211\274"
    "PrecedesTilde" "\342\211\276"
    "Prime" "\342\200\263"
    "Product" "\342\210\217"
    "Proportion" "\342\210\267"
    "Proportional" "\342\210\235"
    "Pscr" "\360\235\222\253"
    "Psi" "\316\250"
    "QUOT" "\042"
    "Qfr" "\360\235\224\224"
    "Qopf" "\342\204\232"
    "Qscr" "\360\235\222\254"
    "RBarr" "\342\244\220"
    "REG" "\302\256"
    "Racute" "\305\224"
    "Rang" "\342\237\253"
    "Rarr" "\342\206\240"
    "Rarrtl" "\342\244\226"
    "Rcaron" "\305\230"
    "Rcedil" "\305\226"
    "Rcy" "\320\240"
    "Re" "\342\204\234"
    "ReverseElement" "\342\210\213"
    "ReverseEquilibrium" "\342\207\213"
    "ReverseUpEquilibrium" "\342\245\257"
    "Rfr" "\342\204\234"
    "Rho" "\316\241"
    "RightAngleBracket" "\342\237\251"
    "RightArrow" "\342\206\222"
    "RightArrowBar" "\342\207\245"
    "RightArrowLeftArrow" "\342\207\204"
    "RightCeiling" "\342\214\211"
    "RightDoubleBracket" "\342\237\247"
    "RightDownTeeVector" "\342\245\235"
    "RightDownVector" "\342\207\202"
    "RightDownVectorBar" "\342\245\225"
    "RightFloor" "\342\214\213"
    "RightTee" "\342\212\242"
    "RightTeeArrow" "\342\206\246"
    "RightTeeVector" "\342\245\233"
    "RightTriangle" "\342\212\263"
    "RightTriangleBar" "\342\247\220"
    "RightTriangleEqual" "\342\212\265"
    "RightUpDownVector" "\342\245\217"
    "RightUpTeeVector" "\342\245\234"
    "RightUpVector" "\342\206\276"
    "RightUpVectorBar" "\342\245\224"
    "RightVector" "\342\207\200"
    "RightVectorBar" "\342\245\223"
    "Rightarrow" "\342\207\222"
    "Ropf" "\342\204\235"
    "RoundImplies" "\342\245\260"
    "Rrightarrow" "\342\207\233"
    "Rscr" "\342\204\233"
    "Rsh" "\342\206\261"
    "RuleDelayed" "\342\247\264"
    "SHCHcy" "\320\251"
    "SHcy" "\320\250"
    "SOFTcy" "\320\254"
    "Sacute" "\305\232"
    "Sc" "\342\252\274"
    "Scaron" "\305\240"
    "Scedil" "\305\236"
    "Scirc" "\305\234"
    "Scy" "\320\241"
    "Sfr" "\360\235\224\226"
    "ShortDownArrow" "\342\206\223"
    "ShortLeftArrow" "\342\206\220"
    "ShortRightArrow" "\342\206\222"
    "ShortUpArrow" "\342\206\221"
    "Sigma" "\316\243"
    "SmallCircle" "\342\210\230"
    "Sopf" "\360\235\225\212"
    "Sqrt" "\342\210\232"
    "Square" "\342\226\241"
    "SquareIntersection" "\342\212\223"
    "SquareSubset" "\342\212\217"
    "SquareSubsetEqual" "\342\212\221"
    "SquareSuperset" "\342\212\220"
    "SquareSupersetEqual" "\342\212\222"
    "SquareUnion" "\342\212\224"
    "Sscr" "\360\235\222\256"
    "Star" "\342\213\206"
    "Sub" "\342\213\220"
    "Subset" "\342\213\220"
    "SubsetEqual" "\342\212\206"
    "Succeeds" "\342\211\273"
    "SucceedsEqual" "\342\252\260"
    "SucceedsSlantEqual" "\342\211\275"
    "SucceedsTilde" "\342\211\277"
    "SuchThat" "\342\210\213"
    "Sum" "\342\210\221"
    "Sup" "\342\213\221"
    "Superset" "\342\212\203"
    "SupersetEqual" "\342\212\207"
    "Supset" "\342\213\221"
    "THORN" "\303\236"
    "TRADE" "\342\204\242"
    "TSHcy" "\320\213"
    "TScy" "\320\246"
    "Tab" "\011"
    "Tau" "\316\244"
    "Tcaron" "\305\244"
    "Tcedil" "\305\242"
    "Tcy" "\320\242"
    "Tfr" "\360\235\224\227"
    "Therefore" "\342\210\264"
    "Theta" "\316\230"
    "ThickSpace" "\342\201\237\342\200\212"
    "ThinSpace" "\342\200\211"
    "Tilde" "\342\210\274"
    "TildeEqual" "\342\211\203"
    "TildeFullEqual" "\342\211\205"
    "TildeTilde" "\342\211\210"
    "Topf" "\360\235\225\213"
    "TripleDot" "\342\203\233"
    "Tscr" "\360\235\222\257"
    "Tstrok" "\305\246"
    "Uacute" "\303\232"
    "Uarr" "\342\206\237"
    "Uarrocir" "\342\245\211"
    "Ubrcy" "\320\216"
    "Ubreve" "\305\254"
    "Ucirc" "\303\233"
    "Ucy" "\320\243"
    "Udblac" "\305\260"
    "Ufr" "\360\235\224\230"
    "Ugrave" "\303\231"
    "Umacr" "\305\252"
    "UnderBar" "_"
    "UnderBrace" "\342\217\237"
    "UnderBracket" "\342\216\265"
    "UnderParenthesis" "\342\217\235"
    "Union" "\342\213\203"
    "UnionPlus" "\342\212\216"
    "Uogon" "\305\262"
    "Uopf" "\360\235\225\214"
    "UpArrow" "\342\206\221"
    "UpArrowBar" "\342\244\222"
    "UpArrowDownArrow" "\342\207\205"
    "UpDownArrow" "\342\206\225"
    "UpEquilibrium" "\342\245\256"
    "UpTee" "\342\212\245"
    "UpTeeArrow" "\342\206\245"
    "Uparrow" "\342\207\221"
    "Updownarrow" "\342\207\225"
    "UpperLeftArrow" "\342\206\226"
    "UpperRightArrow" "\342\206\227"
    "Upsi" "\317\222"
    "Upsilon" "\316\245"
    "Uring" "\305\256"
    "Uscr" "\360\235\222\260"
    "Utilde" "\305\250"
    "Uuml" "\303\234"
    "VDash" "\342\212\253"
    "Vbar" "\342\253\253"
    "Vcy" "\320\222"
    "Vdash" "\342\212\251"
    "Vdashl" "\342\253\246"
    "Vee" "\342\213\201"
    "Verbar" "\342\200\226"
    "Vert" "\342\200\226"
    "VerticalBar" "\342\210\243"
    "VerticalLine" "|"
    "VerticalSeparator" "\342\235\230"
    "VerticalTilde" "\342\211\200"
    "VeryThinSpace" "\342\200\212"
    "Vfr" "\360\235\224\231"
    "Vopf" "\360\235\225\215"
    "Vscr" "\360\235\222\261"
    "Vvdash" "\342\212\252"
    "Wcirc" "\305\264"
    "Wedge" "\342\213\200"
    "Wfr" "\360\235\224\232"
    "Wopf" "\360\235\225\216"
    "Wscr" "\360\235\222\262"
    "Xfr" "\360\235\224\233"
    "Xi" "\316\236"
    "Xopf" "\360\235\225\217"
    "Xscr" "\360\235\222\263"
    "YAcy" "\320\257"
    "YIcy" "\320\207"
    "YUcy" "\320\256"
    "Yacute" "\303\235"
    "Ycirc" "\305\266"
    "Ycy" "\320\253"
    "Yfr" "\360\235\224\234"
    "Yopf" "\360\235\225\220"
    "Yscr" "\360\235\222\264"
    "Yuml" "\305\270"
    "ZHcy" "\320\226"
    "Zacute" "\305\271"
    "Zcaron" "\305\275"
    "Zcy" "\320\227"
    "Zdot" "\305\273"
    "ZeroWidthSpace" "\342\200\213"
    "Zeta" "\316\226"
    "Zfr" "\342\204\250"
    "Zopf" "\342\204\244"
    "Zscr" "\360\235\222\265"
    "aacute" "\303\241"
    "abreve" "\304\203"
    "ac" "\342\210\276"
    "acE" "\342\210\276\314\263"
    "acd" "\342\210\277"
    "acirc" "\303\242"
    "acute" "\302\264"
    "acy" "\320\260"
    "aelig" "\303\246"
    "af" "\342\201\241"
    "afr" "\360\235\224\236"
    "agrave" "\303\240"
    "alefsym" "\342\204\265"
    "aleph" "\342\204\265"
    "alpha" "\316\261"
    "amacr" "\304\201"
    "amalg" "\342\250\277"
    "amp" "&"
    "and" "\342\210\247"
    "andand" "\342\251\225"
    "andd" "\342\251\234"
    "andslope" "\342\251\230"
    "andv" "\342\251\232"
    "ang" "\342\210\240"
    "ange" "\342\246\244"
    "angle" "\342\210\240"
    "angmsd" "\342\210\241"
    "angmsdaa" "\342\246\250"
    "angmsdab" "\342\246\251"
    "angmsdac" "\342\246\252"
    "angmsdad" "\342\246\253"
    "angmsdae" "\342\246\254"
    "angmsdaf" "\342\246\255"
    "angmsdag" "\342\246\256"
    "angmsdah" "\342\246\257"
    "angrt" "\342\210\237"
    "angrtvb" "\342\212\276"
    "angrtvbd" "\342\246\235"
    "angsph" "\342\210\242"
    "angst" "\303\205"
    "angzarr" "\342\215\274"
    "aogon" "\304\205"
    "aopf" "\360\235\225\222"
    "ap" "\342\211\210"
    "apE" "\342\251\260"
    "apacir" "\342\251\257"
    "ape" "\342\211\212"
    "apid" "\342\211\213"
    "apos" "'"
    "approx" "\342\211\210"
    "approxeq" "\342\211\212"
    "aring" "\303\245"
    "ascr" "\360\235\222\266"
    "ast" "*"
    "asymp" "\342\211\210"
    "asympeq" "\342\211\215"
    "atilde" "\303\243"
    "auml" "\303\244"
    "awconint" "\342\210\263"
    "awint" "\342\250\221"
    "bNot" "\342\253\255"
    "backcong" "\342\211\214"
    "backepsilon" "\317\266"
    "backprime" "\342\200\265"
    "backsim" "\342\210\275"
    "backsimeq" "\342\213\215"
    "barvee" "\342\212\275"
    "barwed" "\342\214\205"
    "barwedge" "\342\214\205"
    "bbrk" "\342\216\265"
    "bbrktbrk" "\342\216\266"
    "bcong" "\342\211\214"
    "bcy" "\320\261"
    "bdquo" "\342\200\236"
    "becaus" "\342\210\265"
    "because" "\342\210\265"
    "bemptyv" "\342\246\260"
    "bepsi" "\317\266"
    "bernou" "\342\204\254"
    "beta" "\316\262"
    "beth" "\342\204\266"
    "between" "\342\211\254"
    "bfr" "\360\235\224\237"
    "bigcap" "\342\213\202"
    "bigcirc" "\342\227\257"
    "bigcup" "\342\213\203"
    "bigodot" "\342\250\200"
    "bigoplus" "\342\250\201"
    "bigotimes" "\342\250\202"
    "bigsqcup" "\342\250\206"
    "bigstar" "\342\230\205"
    "bigtriangledown" "\342\226\275"
    "bigtriangleup" "\342\226\263"
    "biguplus" "\342\250\204"
    "bigvee" "\342\213\201"
    "bigwedge" "\342\213\200"
    "bkarow" "\342\244\215"
    "blacklozenge" "\342\247\253"
    "blacksquare" "\342\226\252"
    "blacktriangle" "\342\226\264"
    "blacktriangledown" "\342\226\276"
    "blacktriangleleft" "\342\227\202"
    "blacktriangleright" "\342\226\270"
    "blank" "\342\220\243"
    "blk12" "\342\226\222"
    "blk14" "\342\226\221"
    "blk34" "\342\226\223"
    "block" "\342\226\210"
    "bne" "=\342\203\245"
    "bnequiv" "\342\211\241\342\203\245"
    "bnot" "\342\214\220"
    "bopf" "\360\235\225\223"
    "bot" "\342\212\245"
    "bottom" "\342\212\245"
    "bowtie" "\342\213\210"
    "boxDL" "\342\225\227"
    "boxDR" "\342\225\224"
    "boxDl" "\342\225\226"
    "boxDr" "\342\225\223"
    "boxH" "\342\225\220"
    "boxHD" "\342\225\246"
    "boxHU" "\342\225\251"
    "boxHd" "\342\225\244"
    "boxHu" "\342\225\247"
    "boxUL" "\342\225\235"
    "boxUR" "\342\225\232"
    "boxUl" "\342\225\234"
    "boxUr" "\342\225\231"
    "boxV" "\342\225\221"
    "boxVH" "\342\225\254"
    "boxVL" "\342\225\243"
    "boxVR" "\342\225\240"
    "boxVh" "\342\225\253"
    "boxVl" "\342\225\242"
    "boxVr" "\342\225\237"
    "boxbox" "\342\247\211"
    "boxdL" "\342\225\225"
    "boxdR" "\342\225\222"
    "boxdl" "\342\224\220"
    "boxdr" "\342\224\214"
    "boxh" "\342\224\200"
    "boxhD" "\342\225\245"
    "boxhU" "\342\225\250"
    "boxhd" "\342\224\254"
    "boxhu" "\342\224\264"
    "boxminus" "\342\212\237"
    "boxplus" "\342\212\236"
    "boxtimes" "\342\212\240"
    "boxuL" "\342\225\233"
    "boxuR" "\342\225\230"
    "boxul" "\342\224\230"
    "boxur" "\342\224\224"
    "boxv" "\342\224\202"
    "boxvH" "\342\225\252"
    "boxvL" "\342\225\241"
    "boxvR" "\342\225\236"
    "boxvh" "\342\224\274"
    "boxvl" "\342\224\244"
    "boxvr" "\342\224\234"
    "bprime" "\342\200\265"
    "breve" "\313\230"
    "brvbar" "\302\246"
    "bscr" "\360\235\222\267"
    "bsemi" "\342\201\217"
    "bsim" "\342\210\275"
    "bsime" "\342\213\215"
    "bsol" "\134"
    "bsolb" "\342\247\205"
    "bsolhsub" "\342\237\210"
    "bull" "\342\200\242"
    "bullet" "\342\200\242"
    "bump" "\342\211\216"
    "bumpE" "\342\252\256"
    "bumpe" "\342\211\217"
    "bumpeq" "\342\211\217"
    "cacute" "\304\207"
    "cap" "\342\210\251"
    "capand" "\342\251\204"
    "capbrcup" "\342\251\211"
    "capcap" "\342\251\213"
    "capcup" "\342\251\207"
    "capdot" "\342\251\200"
    "caps" "\342\210\251\357\270\200"
    "caret" "\342\201\201"
    "caron" "\313\207"
    "ccaps" "\342\251\215"
    "ccaron" "\304\215"
    "ccedil" "\303\247"
    "ccirc" "\304\211"
    "ccups" "\342\251\214"
    "ccupssm" "\342\251\220"
    "cdot" "\304\213"
    "cedil" "\302\270"
    "cemptyv" "\342\246\262"
    "cent" "\302\242"
    "centerdot" "\302\267"
    "cfr" "\360\235\224\240"
    "chcy" "\321\207"
    "check" "\342\234\223"
    "checkmark" "\342\234\223"
    "chi" "\317\207"
    "cir" "\342\227\213"
    "cirE" "\342\247\203"
    "circ" "\313\206"
    "circeq" "\342\211\227"
    "circlearrowleft" "\342\206\272"
    "circlearrowright" "\342\206\273"
    "circledR" "\302\256"
    "circledS" "\342\223\210"
    "circledast" "\342\212\233"
    "circledcirc" "\342\212\232"
    "circleddash" "\342\212\235"
    "cire" "\342\211\227"
    "cirfnint" "\342\250\220"
    "cirmid" "\342\253\257"
    "cirscir" "\342\247\202"
    "clubs" "\342\231\243"
    "clubsuit" "\342\231\243"
    "colon" ":"
    "colone" "\342\211\224"
    "coloneq" "\342\211\224"
    "comma" ","
    "commat" "@"
    "comp" "\342\210\201"
    "compfn" "\342\210\230"
    "complement" "\342\210\201"
    "complexes" "\342\204\202"
    "cong" "\342\211\205"
    "congdot" "\342\251\255"
    "conint" "\342\210\256"
    "copf" "\360\235\225\224"
    "coprod" "\342\210\220"
    "copy" "\302\251"
    "copysr" "\342\204\227"
    "crarr" "\342\206\265"
    "cross" "\342\234\227"
    "cscr" "\360\235\222\270"
    "csub" "\342\253\217"
    "csube" "\342\253\221"
    "csup" "\342\253\220"
    "csupe" "\342\253\222"
    "ctdot" "\342\213\257"
    "cudarrl" "\342\244\270"
    "cudarrr" "\342\244\265"
    "cuepr" "\342\213\236"
    "cuesc" "\342\213\237"
    "cularr" "\342\206\266"
    "cularrp" "\342\244\275"
    "cup" "\342\210\252"
    "cupbrcap" "\342\251\210"
    "cupcap" "\342\251\206"
    "cupcup" "\342\251\212"
    "cupdot" "\342\212\215"
    "cupor" "\342\251\205"
    "cups" "\342\210\252\357\270\200"
    "curarr" "\342\206\267"
    "curarrm" "\342\244\274"
    "curlyeqprec" "\342\213\236"
    "curlyeqsucc" "\342\213\237"
    "curlyvee" "\342\213\216"
    "curlywedge" "\342\213\217"
    "curren" "\302\244"
    "curvearrowleft" "\342\206\266"
    "curvearrowright" "\342\206\267"
    "cuvee" "\342\213\216"
    "cuwed" "\342\213\217"
    "cwconint" "\342\210\262"
    "cwint" "\342\210\261"
    "cylcty" "\342\214\255"
    "dArr" "\342\207\223"
    "dHar" "\342\245\245"
    "dagger" "\342\200\240"
    "daleth" "\342\204\270"
    "darr" "\342\206\223"
    "dash" "\342\200\220"
    "dashv" "\342\212\243"
    "dbkarow" "\342\244\217"
    "dblac" "\313\235"
    "dcaron" "\304\217"
    "dcy" "\320\264"
    "dd" "\342\205\206"
    "ddagger" "\342\200\241"
    "ddarr" "\342\207\212"
    "ddotseq" "\342\251\267"
    "deg" "\302\260"
    "delta" "\316\264"
    "demptyv" "\342\246\261"
    "dfisht" "\342\245\277"
    "dfr" "\360\235\224\241"
    "dharl" "\342\207\203"
    "dharr" "\342\207\202"
    "diam" "\342\213\204"
    "diamond" "\342\213\204"
    "diamondsuit" "\342\231\246"
    "diams" "\342\231\246"
    "die" "\302\250"
    "digamma" "\317\235"
    "disin" "\342\213\262"
    "div" "\303\267"
    "divide" "\303\267"
    "divideontimes" "\342\213\207"
    "divonx" "\342\213\207"
    "djcy" "\321\222"
    "dlcorn" "\342\214\236"
    "dlcrop" "\342\214\215"
    "dollar" "$"
    "dopf" "\360\235\225\225"
    "dot" "\313\231"
    "doteq" "\342\211\220"
    "doteqdot" "\342\211\221"
    "dotminus" "\342\210\270"
    "dotplus" "\342\210\224"
    "dotsquare" "\342\212\241"
    "doublebarwedge" "\342\214\206"
    "downarrow" "\342\206\223"
    "downdownarrows" "\342\207\212"
    "downharpoonleft" "\342\207\203"
    "downharpoonright" "\342\207\202"
    "drbkarow" "\342\244\220"
    "drcorn" "\342\214\237"
    "drcrop" "\342\214\214"
    "dscr" "\360\235\222\271"
    "dscy" "\321\225"
    "dsol" "\342\247\266"
    "dstrok" "\304\221"
    "dtdot" "\342\213\261"
    "dtri" "\342\226\277"
    "dtrif" "\342\226\276"
    "duarr" "\342\207\265"
    "duhar" "\342\245\257"
    "dwangle" "\342\246\246"
    "dzcy" "\321\237"
    "dzigrarr" "\342\237\277"
    "eDDot" "\342\251\267"
    "eDot" "\342\211\221"
    "eacute" "\303\251"
    "easter" "\342\251\256"
    "ecaron" "\304\233"
    "ecir" "\342\211\226"
    "ecirc" "\303\252"
    "ecolon" "\342\211\225"
    "ecy" "\321\215"
    "edot" "\304\227"
    "ee" "\342\205\207"
    "efDot" "\342\211\222"
    "efr" "\360\235\224\242"
    "eg" "\342\252\232"
    "egrave" "\303\250"
    "egs" "\342\252\226"
    "egsdot" "\342\252\230"
    "el" "\342\252\231"
    "elinters" "\342\217\247"
    "ell" "\342\204\223"
    "els" "\342\252\225"
    "elsdot" "\342\252\227"
    "emacr" "\304\223"
    "empty" "\342\210\205"
    "emptyset" "\342\210\205"
    "emptyv" "\342\210\205"
    "emsp" "\342\200\203"
    "emsp13" "\342\200\204"
    "emsp14" "\342\200\205"
    "eng" "\305\213"
    "ensp" "\342\200\202"
    "eogon" "\304\231"
    "eopf" "\360\235\225\226"
    "epar" "\342\213\225"
    "eparsl" "\342\247\243"
    "eplus" "\342\251\261"
    "epsi" "\316\265"
    "epsilon" "\316\265"
    "epsiv" "\317\265"
    "eqcirc" "\342\211\226"
    "eqcolon" "\342\211\225"
    "eqsim" "\342\211\202"
    "eqslantgtr" "\342\252\226"
    "eqslantless" "\342\252\225"
    "equals" "="
    "equest" "\342\211\237"
    "equiv" "\342\211\241"
    "equivDD" "\342\251\270"
    "eqvparsl" "\342\247\245"
    "erDot" "\342\211\223"
    "erarr" "\342\245\261"
    "escr" "\342\204\257"
    "esdot" "\342\211\220"
    "esim" "\342\211\202"
    "eta" "\316\267"
    "eth" "\303\260"
    "euml" "\303\253"
    "euro" "\342\202\254"
    "excl" "!"
    "exist" "\342\210\203"
    "expectation" "\342\204\260"
    "exponentiale" "\342\205\207"
    "fallingdotseq" "\342\211\222"
    "fcy" "\321\204"
    "female" "\342\231\200"
    "ffilig" "\357\254\203"
    "fflig" "\357\254\200"
    "ffllig" "\357\254\204"
    "ffr" "\360\235\224\243"
    "filig" "\357\254\201"
    "fjlig" "fj"
    "flat" "\342\231\255"
    "fllig" "\357\254\202"
    "fltns" "\342\226\261"
    "fnof" "\306\222"
    "fopf" "\360\235\225\227"
    "forall" "\342\210\200"
    "fork" "\342\213\224"
    "forkv" "\342\253\231"
    "fpartint" "\342\250\215"
    "frac12" "\302\275"
    "frac13" "\342\205\223"
    "frac14" "\302\274"
    "frac15" "\342\205\225"
    "frac16" "\342\205\231"
    "frac18" "\342\205\233"
    "frac23" "\342\205\224"
    "frac25" "\342\205\226"
    "frac34" "\302\276"
    "frac35" "\342\205\227"
    "frac38" "\342\205\234"
    "frac45" "\342\205\230"
    "frac56" "\342\205\232"
    "frac58" "\342\205\235"
    "frac78" "\342\205\236"
    "frasl" "\342\201\204"
    "frown" "\342\214\242"
    "fscr" "\360\235\222\273"
    "gE" "\342\211\247"
    "gEl" "\342\252\214"
    "gacute" "\307\265"
    "gamma" "\316\263"
    "gammad" "\317\235"
    "gap" "\342\252\206"
    "gbreve" "\304\237"
    "gcirc" "\304\235"
    "gcy" "\320\263"
    "gdot" "\304\241"
    "ge" "\342\211\245"
    "gel" "\342\213\233"
    "geq" "\342\211\245"
    "geqq" "\342\211\247"
    "geqslant" "\342\251\276"
    "ges" "\342\251\276"
    "gescc" "\342\252\251"
    "gesdot" "\342\252\200"
    "gesdoto" "\342\252\202"
    "gesdotol" "\342\252\204"
    "gesl" "\342\213\233\357\270\200"
    "gesles" "\342\252\224"
    "gfr" "\360\235\224\244"
    "gg" "\342\211\253"
    "ggg" "\342\213\231"
    "gimel" "\342\204\267"
    "gjcy" "\321\223"
    "gl" "\342\211\267"
    "glE" "\342\252\222"
    "gla" "\342\252\245"
    "glj" "\342\252\244"
    "gnE" "\342\211\251"
    "gnap" "\342\252\212"
    "gnapprox" "\342\252\212"
    "gne" "\342\252\210"
    "gneq" "\342\252\210"
    "gneqq" "\342\211\251"
    "gnsim" "\342\213\247"
    "gopf" "\360\235\225\230"
    "grave" "`"
    "gscr" "\342\204\212"
    "gsim" "\342\211\263"
    "gsime" "\342\252\216"
    "gsiml" "\342\252\220"
    "gt" ">"
    "gtcc" "\342\252\247"
    "gtcir" "\342\251\272"
    "gtdot" "\342\213\227"
    "gtlPar" "\342\246\225"
    "gtquest" "\342\251\274"
    "gtrapprox" "\342\252\206"
    "gtrarr" "\342\245\270"
    "gtrdot" "\342\213\227"
    "gtreqless" "\342\213\233"
    "gtreqqless" "\342\252\214"
    "gtrless" "\342\211\267"
    "gtrsim" "\342\211\263"
    "gvertneqq" "\342\211\251\357\270\200"
    "gvnE" "\342\211\251\357\270\200"
    "hArr" "\342\207\224"
    "hairsp" "\342\200\212"
    "half" "\302\275"
    "hamilt" "\342\204\213"
    "hardcy" "\321\212"
    "harr" "\342\206\224"
    "harrcir" "\342\245\210"
    "harrw" "\342\206\255"
    "hbar" "\342\204\217"
    "hcirc" "\304\245"
    "hearts" "\342\231\245"
    "heartsuit" "\342\231\245"
    "hellip" "\342\200\246"
    "hercon" "\342\212\271"
    "hfr" "\360\235\224\245"
    "hksearow" "\342\244\245"
    "hkswarow" "\342\244\246"
    "hoarr" "\342\207\277"
    "homtht" "\342\210\273"
    "hookleftarrow" "\342\206\251"
    "hookrightarrow" "\342\206\252"
    "hopf" "\360\235\225\231"
    "horbar" "\342\200\225"
    "hscr" "\360\235\222\275"
    "hslash" "\342\204\217"
    "hstrok" "\304\247"
    "hybull" "\342\201\203"
    "hyphen" "\342\200\220"
    "iacute" "\303\255"
    "ic" "\342\201\243"
    "icirc" "\303\256"
    "icy" "\320\270"
    "iecy" "\320\265"
    "iexcl" "\302\241"
    "iff" "\342\207\224"
    "ifr" "\360\235\224\246"
    "igrave" "\303\254"
    "ii" "\342\205\210"
    "iiiint" "\342\250\214"
    "iiint" "\342\210\255"
    "iinfin" "\342\247\234"
    "iiota" "\342\204\251"
    "ijlig" "\304\263"
    "imacr" "\304\253"
    "image" "\342\204\221"
    "imagline" "\342\204\220"
    "imagpart" "\342\204\221"
    "imath" "\304\261"
    "imof" "\342\212\267"
    "imped" "\306\265"
    "in" "\342\210\210"
    "incare" "\342\204\205"
    "infin" "\342\210\236"
    "infintie" "\342\247\235"
    "inodot" "\304\261"
    "int" "\342\210\253"
    "intcal" "\342\212\272"
    "integers" "\342\204\244"
    "intercal" "\342\212\272"
    "intlarhk" "\342\250\227"
    "intprod" "\342\250\274"
    "iocy" "\321\221"
    "iogon" "\304\257"
    "iopf" "\360\235\225\232"
    "iota" "\316\271"
    "iprod" "\342\250\274"
    "iquest" "\302\277"
    "iscr" "\360\235\222\276"
    "isin" "\342\210\210"
    "isinE" "\342\213\271"
    "isindot" "\342\213\265"
    "isins" "\342\213\264"
    "isinsv" "\342\213\263"
    "isinv" "\342\210\210"
    "it" "\342\201\242"
    "itilde" "\304\251"
    "iukcy" "\321\226"
    "iuml" "\303\257"
    "jcirc" "\304\265"
    "jcy" "\320\271"
    "jfr" "\360\235\224\247"
    "jmath" "\310\267"
    "jopf" "\360\235\225\233"
    "jscr" "\360\235\222\277"
    "jsercy" "\321\230"
    "jukcy" "\321\224"
    "kappa" "\316\272"
    "kappav" "\317\260"
    "kcedil" "\304\267"
    "kcy" "\320\272"
    "kfr" "\360\235\224\250"
    "kgreen" "\304\270"
    "khcy" "\321\205"
    "kjcy" "\321\234"
    "kopf" "\360\235\225\234"
    "kscr" "\360\235\223\200"
    "lAarr" "\342\207\232"
    "lArr" "\342\207\220"
    "lAtail" "\342\244\233"
    "lBarr" "\342\244\216"
    "lE" "\342\211\246"
    "lEg" "\342\252\213"
    "lHar" "\342\245\242"
    "lacute" "\304\272"
    "laemptyv" "\342\246\264"
    "lagran" "\342\204\222"
    "lambda" "\316\273"
    "lang" "\342\237\250"
    "langd" "\342\246\221"
    "langle" "\342\237\250"
    "lap" "\342\252\205"
    "laquo" "\302\253"
    "larr" "\342\206\220"
    "larrb" "\342\207\244"
    "larrbfs" "\342\244\237"
    "larrfs" "\342\244\235"
    "larrhk" "\342\206\251"
    "larrlp" "\342\206\253"
    "larrpl" "\342\244\271"
    "larrsim" "\342\245\263"
    "larrtl" "\342\206\242"
    "lat" "\342\252\253"
    "latail" "\342\244\231"
    "late" "\342\252\255"
    "lates" "\342\252\255\357\270\200"
    "lbarr" "\342\244\214"
    "lbbrk" "\342\235\262"
    "lbrace" "{"
    "lbrack" "["
    "lbrke" "\342\246\213"
    "lbrksld" "\342\246\217"
    "lbrkslu" "\342\246\215"
    "lcaron" "\304\276"
    "lcedil" "\304\274"
    "lceil" "\342\214\210"
    "lcub" "{"
    "lcy" "\320\273"
    "ldca" "\342\244\266"
    "ldquo" "\342\200\234"
    "ldquor" "\342\200\236"
    "ldrdhar" "\342\245\247"
    "ldrushar" "\342\245\213"
    "ldsh" "\342\206\262"
    "le" "\342\211\244"
    "leftarrow" "\342\206\220"
    "leftarrowtail" "\342\206\242"
    "leftharpoondown" "\342\206\275"
    "leftharpoonup" "\342\206\274"
    "leftleftarrows" "\342\207\207"
    "leftrightarrow" "\342\206\224"
    "leftrightarrows" "\342\207\206"
    "leftrightharpoons" "\342\207\213"
    "leftrightsquigarrow" "\342\206\255"
    "leftthreetimes" "\342\213\213"
    "leg" "\342\213\232"
    "leq" "\342\211\244"
    "leqq" "\342\211\246"
    "leqslant" "\342\251\275"
    "les" "\342\251\275"
    "lescc" "\342\252\250"
    "lesdot" "\342\251\277"
    "lesdoto" "\342\252\201"
    "lesdotor" "\342\252\203"
    "lesg" "\342\213\232\357\270\200"
    "lesges" "\342\252\223"
    "lessapprox" "\342\252\205"
    "lessdot" "\342\213\226"
    "lesseqgtr" "\342\213\232"
    "lesseqqgtr" "\342\252\213"
    "lessgtr" "\342\211\266"
    "lesssim" "\342\211\262"
    "lfisht" "\342\245\274"
    "lfloor" "\342\214\212"
    "lfr" "\360\235\224\251"
    "lg" "\342\211\266"
    "lgE" "\342\252\221"
    "lhard" "\342\206\275"
    "lharu" "\342\206\274"
    "lharul" "\342\245\252"
    "lhblk" "\342\226\204"
    "ljcy" "\321\231"
    "ll" "\342\211\252"
    "llarr" "\342\207\207"
    "llcorner" "\342\214\236"
    "llhard" "\342\245\253"
    "lltri" "\342\227\272"
    "lmidot" "\305\200"
    "lmoust" "\342\216\260"
    "lmoustache" "\342\216\260"
    "lnE" "\342\211\250"
    "lnap" "\342\252\211"
    "lnapprox" "\342\252\211"
    "lne" "\342\252\207"
    "lneq" "\342\252\207"
    "lneqq" "\342\211\250"
    "lnsim" "\342\213\246"
    "loang" "\342\237\254"
    "loarr" "\342\207\275"
    "lobrk" "\342\237\246"
    "longleftarrow" "\342\237\265"
    "longleftrightarrow" "\342\237\267"
    "longmapsto" "\342\237\274"
    "longrightarrow" "\342\237\266"
    "looparrowleft" "\342\206\253"
    "looparrowright" "\342\206\254"
    "lopar" "\342\246\205"
    "lopf" "\360\235\225\235"
    "loplus" "\342\250\255"
    "lotimes" "\342\250\264"
    "lowast" "\342\210\227"
    "lowbar" "_"
    "loz" "\342\227\212"
    "lozenge" "\342\227\212"
    "lozf" "\342\247\253"
    "lpar" "("
    "lparlt" "\342\246\223"
    "lrarr" "\342\207\206"
    "lrcorner" "\342\214\237"
    "lrhar" "\342\207\213"
    "lrhard" "\342\245\255"
    "lrm" "\342\200\216"
    "lrtri" "\342\212\277"
    "lsaquo" "\342\200\271"
    "lscr" "\360\235\223\201"
    "lsh" "\342\206\260"
    "lsim" "\342\211\262"
    "lsime" "\342\252\215"
    "lsimg" "\342\252\217"
    "lsqb" "["
    "lsquo" "\342\200\230"
    "lsquor" "\342\200\232"
    "lstrok" "\305\202"
    "lt" "<"
    "ltcc" "\342\252\246"
    "ltcir" "\342\251\271"
    "ltdot" "\342\213\226"
    "lthree" "\342\213\213"
    "ltimes" "\342\213\211"
    "ltlarr" "\342\245\266"
    "ltquest" "\342\251\273"
    "ltrPar" "\342\246\226"
    "ltri" "\342\227\203"
    "ltrie" "\342\212\264"
    "ltrif" "\342\227\202"
    "lurdshar" "\342\245\212"
    "luruhar" "\342\245\246"
    "lvertneqq" "\342\211\250\357\270\200"
    "lvnE" "\342\211\250\357\270\200"
    "mDDot" "\342\210\272"
    "macr" "\302\257"
    "male" "\342\231\202"
    "malt" "\342\234\240"
    "maltese" "\342\234\240"
    "map" "\342\206\246"
    "mapsto" "\342\206\246"
    "mapstodown" "\342\206\247"
    "mapstoleft" "\342\206\244"
    "mapstoup" "\342\206\245"
    "marker" "\342\226\256"
    "mcomma" "\342\250\251"
    "mcy" "\320\274"
    "mdash" "\342\200\224"
    "measuredangle" "\342\210\241"
    "mfr" "\360\235\224\252"
    "mho" "\342\204\247"
    "micro" "\302\265"
    "mid" "\342\210\243"
    "midast" "*"
    "midcir" "\342\253\260"
    "middot" "\302\267"
    "minus" "\342\210\222"
    "minusb" "\342\212\237"
    "minusd" "\342\210\270"
    "minusdu" "\342\250\252"
    "mlcp" "\342\253\233"
    "mldr" "\342\200\246"
    "mnplus" "\342\210\223"
    "models" "\342\212\247"
    "mopf" "\360\235\225\236"
    "mp" "\342\210\223"
    "mscr" "\360\235\223\202"
    "mstpos" "\342\210\276"
    "mu" "\316\274"
    "multimap" "\342\212\270"
    "mumap" "\342\212\270"
    "nGg" "\342\213\231\314\270"
    "nGt" "\342\211\253\342\203\222"
    "nGtv" "\342\211\253\314\270"
    "nLeftarrow" "\342\207\215"
    "nLeftrightarrow" "\342\207\216"
    "nLl" "\342\213\230\314\270"
    "nLt" "\342\211\252\342\203\222"
    "nLtv" "\342\211\252\314\270"
    "nRightarrow" "\342\207\217"
    "nVDash" "\342\212\257"
    "nVdash" "\342\212\256"
    "nabla" "\342\210\207"
    "nacute" "\305\204"
    "nang" "\342\210\240\342\203\222"
    "nap" "\342\211\211"
    "napE" "\342\251\260\314\270"
    "napid" "\342\211\213\314\270"
    "napos" "\305\211"
    "napprox" "\342\211\211"
    "natur" "\342\231\256"
    "natural" "\342\231\256"
    "naturals" "\342\204\225"
    "nbsp" "\302\240"
    "nbump" "\342\211\216\314\270"
    "nbumpe" "\342\211\217\314\270"
    "ncap" "\342\251\203"
    "ncaron" "\305\210"
    "ncedil" "\305\206"
    "ncong" "\342\211\207"
    "ncongdot" "\342\251\255\314\270"
    "ncup" "\342\251\202"
    "ncy" "\320\275"
    "ndash" "\342\200\223"
    "ne" "\342\211\240"
    "neArr" "\342\207\227"
    "nearhk" "\342\244\244"
    "nearr" "\342\206\227"
    "nearrow" "\342\206\227"
    "nedot" "\342\211\220\314\270"
    "nequiv" "\342\211\242"
    "nesear" "\342\244\250"
    "nesim" "\342\211\202\314\270"
    "nexist" "\342\210\204"
    "nexists" "\342\210\204"
    "nfr" "\360\235\224\253"
    "ngE" "\342\211\247\314\270"
    "nge" "\342\211\261"
    "ngeq" "\342\211\261"
    "ngeqq" "\342\211\247\314\270"
    "ngeqslant" "\342\251\276\314\270"
    "nges" "\342\251\276\314\270"
    "ngsim" "\342\211\265"
    "ngt" "\342\211\257"
    "ngtr" "\342\211\257"
    "nhArr" "\342\207\216"
    "nharr" "\342\206\256"
    "nhpar" "\342\253\262"
    "ni" "\342\210\213"
    "nis" "\342\213\274"
    "nisd" "\342\213\272"
    "niv" "\342\210\213"
    "njcy" "\321\232"
    "nlArr" "\342\207\215"
    "nlE" "\342\211\246\314\270"
    "nlarr" "\342\206\232"
    "nldr" "\342\200\245"
    "nle" "\342\211\260"
    "nleftarrow" "\342\206\232"
    "nleftrightarrow" "\342\206\256"
    "nleq" "\342\211\260"
    "nleqq" "\342\211\246\314\270"
    "nleqslant" "\342\251\275\314\270"
    "nles" "\342\251\275\314\270"
    "nless" "\342\211\256"
    "nlsim" "\342\211\264"
    "nlt" "\342\211\256"
    "nltri" "\342\213\252"
    "nltrie" "\342\213\254"
    "nmid" "\342\210\244"
    "nopf" "\360\235\225\237"
    "not" "\302\254"
    "notin" "\342\210\211"
    "notinE" "\342\213\271\314\270"
    "notindot" "\342\213\265\314\270"
    "notinva" "\342\210\211"
    "notinvb" "\342\213\267"
    "notinvc" "\342\213\266"
    "notni" "\342\210\214"
    "notniva" "\342\210\214"
    "notnivb" "\342\213\276"
    "notnivc" "\342\213\275"
    "npar" "\342\210\246"
    "nparallel" "\342\210\246"
    "nparsl" "\342\253\275\342\203\245"
    "npart" "\342\210\202\314\270"
    "npolint" "\342\250\224"
    "npr" "\342\212\200"
    "nprcue" "\342\213\240"
    "npre" "\342\252\257\314\270"
    "nprec" "\342\212\200"
    "npreceq" "\342\252\257\314\270"
    "nrArr" "\342\207\217"
    "nrarr" "\342\206\233"
    "nrarrc" "\342\244\263\314\270"
    "nrarrw" "\342\206\235\314\270"
    "nrightarrow" "\342\206\233"
    "nrtri" "\342\213\253"
    "nrtrie" "\342\213\255"
    "nsc" "\342\212\201"
    "nsccue" "\342\213\241"
    "nsce" "\342\252\260\314\270"
    "nscr" "\360\235\223\203"
    "nshortmid" "\342\210\244"
    "nshortparallel" "\342\210\246"
    "nsim" "\342\211\201"
    "nsime" "\342\211\204"
    "nsimeq" "\342\211\204"
    "nsmid" "\342\210\244"
    "nspar" "\342\210\246"
    "nsqsube" "\342\213\242"
    "nsqsupe" "\342\213\243"
    "nsub" "\342\212\204"
    "nsubE" "\342\253\205\314\270"
    "nsube" "\342\212\210"
    "nsubset" "\342\212\202\342\203\222"
    "nsubseteq" "\342\212\210"
    "nsubseteqq" "\342\253\205\314\270"
    "nsucc" "\342\212\201"
    "nsucceq" "\342\252\260\314\270"
    "nsup" "\342\212\205"
    "nsupE" "\342\253\206\314\270"
    "nsupe" "\342\212\211"
    "nsupset" "\342\212\203\342\203\222"
    "nsupseteq" "\342\212\211"
    "nsupseteqq" "\342\253\206\314\270"
    "ntgl" "\342\211\271"
    "ntilde" "\303\261"
    "ntlg" "\342\211\270"
    "ntriangleleft" "\342\213\252"
    "ntrianglelefteq" "\342\213\254"
    "ntriangleright" "\342\213\253"
    "ntrianglerighteq" "\342\213\255"
    "nu" "\316\275"
    "num" "#"
    "numero" "\342\204\226"
    "numsp" "\342\200\207"
    "nvDash" "\342\212\255"
    "nvHarr" "\342\244\204"
    "nvap" "\342\211\215\342\203\222"
    "nvdash" "\342\212\254"
    "nvge" "\342\211\245\342\203\222"
    "nvgt" ">\342\203\222"
    "nvinfin" "\342\247\236"
    "nvlArr" "\342\244\202"
    "nvle" "\342\211\244\342\203\222"
    "nvlt" "<\342\203\222"
    "nvltrie" "\342\212\264\342\203\222"
    "nvrArr" "\342\244\203"
    "nvrtrie" "\342\212\265\342\203\222"
    "nvsim" "\342\210\274\342\203\222"
    "nwArr" "\342\207\226"
    "nwarhk" "\342\244\243"
    "nwarr" "\342\206\226"
    "nwarrow" "\342\206\226"
    "nwnear" "\342\244\247"
    "oS" "\342\223\210"
    "oacute" "\303\263"
    "oast" "\342\212\233"
    "ocir" "\342\212\232"
    "ocirc" "\303\264"
    "ocy" "\320\276"
    "odash" "\342\212\235"
    "odblac" "\305\221"
    "odiv" "\342\250\270"
    "odot" "\342\212\231"
    "odsold" "\342\246\274"
    "oelig" "\305\223"
    "ofcir" "\342\246\277"
    "ofr" "\360\235\224\254"
    "ogon" "\313\233"
    "ograve" "\303\262"
    "ogt" "\342\247\201"
    "ohbar" "\342\246\265"
    "ohm" "\316\251"
    "oint" "\342\210\256"
    "olarr" "\342\206\272"
    "olcir" "\342\246\276"
    "olcross" "\342\246\273"
    "oline" "\342\200\276"
    "olt" "\342\247\200"
    "omacr" "\305\215"
    "omega" "\317\211"
    "omicron" "\316\277"
    "omid" "\342\246\266"
    "ominus" "\342\212\226"
    "oopf" "\360\235\225\240"
    "opar" "\342\246\267"
    "operp" "\342\246\271"
    "oplus" "\342\212\225"
    "or" "\342\210\250"
    "orarr" "\342\206\273"
    "ord" "\342\251\235"
    "order" "\342\204\264"
    "orderof" "\342\204\264"
    "ordf" "\302\252"
    "ordm" "\302\272"
    "origof" "\342\212\266"
    "oror" "\342\251\226"
    "orslope" "\342\251\227"
    "orv" "\342\251\233"
    "oscr" "\342\204\264"
    "oslash" "\303\270"
    "osol" "\342\212\230"
    "otilde" "\303\265"
    "otimes" "\342\212\227"
    "otimesas" "\342\250\266"
    "ouml" "\303\266"
    "ovbar" "\342\214\275"
    "par" "\342\210\245"
    "para" "\302\266"
    "parallel" "\342\210\245"
    "parsim" "\342\253\263"
    "parsl" "\342\253\275"
    "part" "\342\210\202"
    "pcy" "\320\277"
    "percnt" "%"
    "period" "."
    "permil" "\342\200\260"
    "perp" "\342\212\245"
    "pertenk" "\342\200\261"
    "pfr" "\360\235\224\255"
    "phi" "\317\206"
    "phiv" "\317\225"
    "phmmat" "\342\204\263"
    "phone" "\342\230\216"
    "pi" "\317\200"
    "pitchfork" "\342\213\224"
    "piv" "\317\226"
    "planck" "\342\204\217"
    "planckh" "\342\204\216"
    "plankv" "\342\204\217"
    "plus" "+"
    "plusacir" "\342\250\243"
    "plusb" "\342\212\236"
    "pluscir" "\342\250\242"
    "plusdo" "\342\210\224"
    "plusdu" "\342\250\245"
    "pluse" "\342\251\262"
    "plusmn" "\302\261"
    "plussim" "\342\250\246"
    "plustwo" "\342\250\247"
    "pm" "\302\261"
    "pointint" "\342\250\225"
    "popf" "\360\235\225\241"
    "pound" "\302\243"
    "pr" "\342\211\272"
    "prE" "\342\252\263"
    "prap" "\342\252\267"
    "prcue" "\342\211\274"
    "pre" "\342\252\257"
    "prec" "\342\211\272"
    "precapprox" "\342\252\267"
    "preccurlyeq" "\342\211\274"
    "preceq" "\342\252\257"
    "precnapprox" "\342\252\271"
    "precneqq" "\342\252\265"
    "precnsim" "\342\213\250"
    "precsim" "\342\211\276"
    "prime" "\342\200\262"
    "primes" "\342\204\231"
    "prnE" "\342\252\265"
    "prnap" "\342\252\271"
    "prnsim" "\342\213\250"
    "prod" "\342\210\217"
    "profalar" "\342\214\256"
    "profline" "\342\214\222"
    "profsurf" "\342\214\223"
    "prop" "\342\210\235"
    "propto" "\342\210\235"
    "prsim" "\342\211\276"
    "prurel" "\342\212\260"
    "pscr" "\360\235\223\205"
    "psi" "\317\210"
    "puncsp" "\342\200\210"
    "qfr" "\360\235\224\256"
    "qint" "\342\250\214"
    "qopf" "\360\235\225\242"
    "qprime" "\342\201\227"
    "qscr" "\360\235\223\206"
    "quaternions" "\342\204\215"
    "quatint" "\342\250\226"
    "quest" "\077"
    "questeq" "\342\211\237"
    "quot" "\042"
    "rAarr" "\342\207\233"
    "rArr" "\342\207\222"
    "rAtail" "\342\244\234"
    "rBarr" "\342\244\217"
    "rHar" "\342\245\244"
    "race" "\342\210\275\314\261"
    "racute" "\305\225"
    "radic" "\342\210\232"
    "raemptyv" "\342\246\263"
    "rang" "\342\237\251"
    "rangd" "\342\246\222"
    "range" "\342\246\245"
    "rangle" "\342\237\251"
    "raquo" "\302\273"
    "rarr" "\342\206\222"
    "rarrap" "\342\245\265"
    "rarrb" "\342\207\245"
    "rarrbfs" "\342\244\240"
    "rarrc" "\342\244\263"
    "rarrfs" "\342\244\236"
    "rarrhk" "\342\206\252"
    "rarrlp" "\342\206\254"
    "rarrpl" "\342\245\205"
    "rarrsim" "\342\245\264"
    "rarrtl" "\342\206\243"
    "rarrw" "\342\206\235"
    "ratail" "\342\244\232"
    "ratio" "\342\210\266"
    "rationals" "\342\204\232"
    "rbarr" "\342\244\215"
    "rbbrk" "\342\235\263"
    "rbrace" "}"
    "rbrack" "]"
    "rbrke" "\342\246\214"
    "rbrksld" "\342\246\216"
    "rbrkslu" "\342\246\220"
    "rcaron" "\305\231"
    "rcedil" "\305\227"
    "rceil" "\342\214\211"
    "rcub" "}"
    "rcy" "\321\200"
    "rdca" "\342\244\267"
    "rdldhar" "\342\245\251"
    "rdquo" "\342\200\235"
    "rdquor" "\342\200\235"
    "rdsh" "\342\206\263"
    "real" "\342\204\234"
    "realine" "\342\204\233"
    "realpart" "\342\204\234"
    "reals" "\342\204\235"
    "rect" "\342\226\255"
    "reg" "\302\256"
    "rfisht" "\342\245\275"
    "rfloor" "\342\214\213"
    "rfr" "\360\235\224\257"
    "rhard" "\342\207\201"
    "rharu" "\342\207\200"
    "rharul" "\342\245\254"
    "rho" "\317\201"
    "rhov" "\317\261"
    "rightarrow" "\342\206\222"
    "rightarrowtail" "\342\206\243"
    "rightharpoondown" "\342\207\201"
    "rightharpoonup" "\342\207\200"
    "rightleftarrows" "\342\207\204"
    "rightleftharpoons" "\342\207\214"
    "rightrightarrows" "\342\207\211"
    "rightsquigarrow" "\342\206\235"
    "rightthreetimes" "\342\213\214"
    "ring" "\313\232"
    "risingdotseq" "\342\211\223"
    "rlarr" "\342\207\204"
    "rlhar" "\342\207\214"
    "rlm" "\342\200\217"
    "rmoust" "\342\216\261"
    "rmoustache" "\342\216\261"
    "rnmid" "\342\253\256"
    "roang" "\342\237\255"
    "roarr" "\342\207\276"
    "robrk" "\342\237\247"
    "ropar" "\342\246\206"
    "ropf" "\360\235\225\243"
    "roplus" "\342\250\256"
    "rotimes" "\342\250\265"
    "rpar" ")"
    "rpargt" "\342\246\224"
    "rppolint" "\342\250\222"
    "rrarr" "\342\207\211"
    "rsaquo" "\342\200\272"
    "rscr" "\360\235\223\207"
    "rsh" "\342\206\261"
    "rsqb" "]"
    "rsquo" "\342\200\231"
    "rsquor" "\342\200\231"
    "rthree" "\342\213\214"
    "rtimes" "\342\213\212"
    "rtri" "\342\226\271"
    "rtrie" "\342\212\265"
    "rtrif" "\342\226\270"
    "rtriltri" "\342\247\216"
    "ruluhar" "\342\245\250"
    "rx" "\342\204\236"
    "sacute" "\305\233"
    "sbquo" "\342\200\232"
    "sc" "\342\211\273"
    "scE" "\342\252\264"
    "scap" "\342\252\270"
    "scaron" "\305\241"
    "sccue" "\342\211\275"
    "sce" "\342\252\260"
    "scedil" "\305\237"
    "scirc" "\305\235"
    "scnE" "\342\252\266"
    "scnap" "\342\252\272"
    "scnsim" "\342\213\251"
    "scpolint" "\342\250\223"
    "scsim" "\342\211\277"
    "scy" "\321\201"
    "sdot" "\342\213\205"
    "sdotb" "\342\212\241"
    "sdote" "\342\251\246"
    "seArr" "\342\207\230"
    "searhk" "\342\244\245"
    "searr" "\342\206\230"
    "searrow" "\342\206\230"
    "sect" "\302\247"
    "semi" ";"
    "seswar" "\342\244\251"
    "setminus" "\342\210\226"
    "setmn" "\342\210\226"
    "sext" "\342\234\266"
    "sfr" "\360\235\224\260"
    "sfrown" "\342\214\242"
    "sharp" "\342\231\257"
    "shchcy" "\321\211"
    "shcy" "\321\210"
    "shortmid" "\342\210\243"
    "shortparallel" "\342\210\245"
    "shy" "\302\255"
    "sigma" "\317\203"
    "sigmaf" "\317\202"
    "sigmav" "\317\202"
    "sim" "\342\210\274"
    "simdot" "\342\251\252"
    "sime" "\342\211\203"
    "simeq" "\342\211\203"
    "simg" "\342\252\236"
    "simgE" "\342\252\240"
    "siml" "\342\252\235"
    "simlE" "\342\252\237"
    "simne" "\342\211\206"
    "simplus" "\342\250\244"
    "simrarr" "\342\245\262"
    "slarr" "\342\206\220"
    "smallsetminus" "\342\210\226"
    "smashp" "\342\250\263"
    "smeparsl" "\342\247\244"
    "smid" "\342\210\243"
    "smile" "\342\214\243"
    "smt" "\342\252\252"
    "smte" "\342\252\254"
    "smtes" "\342\252\254\357\270\200"
    "softcy" "\321\214"
    "sol" "/"
    "solb" "\342\247\204"
    "solbar" "\342\214\277"
    "sopf" "\360\235\225\244"
    "spades" "\342\231\240"
    "spadesuit" "\342\231\240"
    "spar" "\342\210\245"
    "sqcap" "\342\212\223"
    "sqcaps" "\342\212\223\357\270\200"
    "sqcup" "\342\212\224"
    "sqcups" "\342\212\224\357\270\200"
    "sqsub" "\342\212\217"
    "sqsube" "\342\212\221"
    "sqsubset" "\342\212\217"
    "sqsubseteq" "\342\212\221"
    "sqsup" "\342\212\220"
    "sqsupe" "\342\212\222"
    "sqsupset" "\342\212\220"
    "sqsupseteq" "\342\212\222"
    "squ" "\342\226\241"
    "square" "\342\226\241"
    "squarf" "\342\226\252"
    "squf" "\342\226\252"
    "srarr" "\342\206\222"
    "sscr" "\360\235\223\210"
    "ssetmn" "\342\210\226"
    "ssmile" "\342\214\243"
    "sstarf" "\342\213\206"
    "star" "\342\230\206"
    "starf" "\342\230\205"
    "straightepsilon" "\317\265"
    "straightphi" "\317\225"
    "strns" "\302\257"
    "sub" "\342\212\202"
    "subE" "\342\253\205"
    "subdot" "\342\252\275"
    "sube" "\342\212\206"
    "subedot" "\342\253\203"
    "submult" "\342\253\201"
    "subnE" "\342\253\213"
    "subne" "\342\212\212"
    "subplus" "\342\252\277"
    "subrarr" "\342\245\271"
    "subset" "\342\212\202"
    "subseteq" "\342\212\206"
    "subseteqq" "\342\253\205"
    "subsetneq" "\342\212\212"
    "subsetneqq" "\342\253\213"
    "subsim" "\342\253\207"
    "subsub" "\342\253\225"
    "subsup" "\342\253\223"
    "succ" "\342\211\273"
    "succapprox" "\342\252\270"
    "succcurlyeq" "\342\211\275"
    "succeq" "\342\252\260"
    "succnapprox" "\342\252\272"
    "succneqq" "\342\252\266"
    "succnsim" "\342\213\251"
    "succsim" "\342\211\277"
    "sum" "\342\210\221"
    "sung" "\342\231\252"
    "sup" "\342\212\203"
    "sup1" "\302\271"
    "sup2" "\302\262"
    "sup3" "\302\263"
    "supE" "\342\253\206"
    "supdot" "\342\252\276"
    "supdsub" "\342\253\230"
    "supe" "\342\212\207"
    "supedot" "\342\253\204"
    "suphsol" "\342\237\211"
    "suphsub" "\342\253\227"
    "suplarr" "\342\245\273"
    "supmult" "\342\253\202"
    "supnE" "\342\253\214"
    "supne" "\342\212\213"
    "supplus" "\342\253\200"
    "supset" "\342\212\203"
    "supseteq" "\342\212\207"
    "supseteqq" "\342\253\206"
    "supsetneq" "\342\212\213"
    "supsetneqq" "\342\253\214"
    "supsim" "\342\253\210"
    "supsub" "\342\253\224"
    "supsup" "\342\253\226"
    "swArr" "\342\207\231"
    "swarhk" "\342\244\246"
    "swarr" "\342\206\231"
    "swarrow" "\342\206\231"
    "swnwar" "\342\244\252"
    "szlig" "\303\237"
    "target" "\342\214\226"
    "tau" "\317\204"
    "tbrk" "\342\216\264"
    "tcaron" "\305\245"
    "tcedil" "\305\243"
    "tcy" "\321\202"
    "tdot" "\342\203\233"
    "telrec" "\342\214\225"
    "tfr" "\360\235\224\261"
    "there4" "\342\210\264"
    "therefore" "\342\210\264"
    "theta" "\316\270"
    "thetasym" "\317\221"
    "thetav" "\317\221"
    "thickapprox" "\342\211\210"
    "thicksim" "\342\210\274"
    "thinsp" "\342\200\211"
    "thkap" "\342\211\210"
    "thksim" "\342\210\274"
    "thorn" "\303\276"
    "tilde" "\313\234"
    "times" "\303\227"
    "timesb" "\342\212\240"
    "timesbar" "\342\250\261"
    "timesd" "\342\250\260"
    "tint" "\342\210\255"
    "toea" "\342\244\250"
    "top" "\342\212\244"
    "topbot" "\342\214\266"
    "topcir" "\342\253\261"
    "topf" "\360\235\225\245"
    "topfork" "\342\253\232"
    "tosa" "\342\244\251"
    "tprime" "\342\200\264"
    "trade" "\342\204\242"
    "triangle" "\342\226\265"
    "triangledown" "\342\226\277"
    "triangleleft" "\342\227\203"
    "trianglelefteq" "\342\212\264"
    "triangleq" "\342\211\234"
    "triangleright" "\342\226\271"
    "trianglerighteq" "\342\212\265"
    "tridot" "\342\227\254"
    "trie" "\342\211\234"
    "triminus" "\342\250\272"
    "triplus" "\342\250\271"
    "trisb" "\342\247\215"
    "tritime" "\342\250\273"
    "trpezium" "\342\217\242"
    "tscr" "\360\235\223\211"
    "tscy" "\321\206"
    "tshcy" "\321\233"
    "tstrok" "\305\247"
    "twixt" "\342\211\254"
    "twoheadleftarrow" "\342\206\236"
    "twoheadrightarrow" "\342\206\240"
    "uArr" "\342\207\221"
    "uHar" "\342\245\243"
    "uacute" "\303\272"
    "uarr" "\342\206\221"
    "ubrcy" "\321\236"
    "ubreve" "\305\255"
    "ucirc" "\303\273"
    "ucy" "\321\203"
    "udarr" "\342\207\205"
    "udblac" "\305\261"
    "udhar" "\342\245\256"
    "ufisht" "\342\245\276"
    "ufr" "\360\235\224\262"
    "ugrave" "\303\271"
    "uharl" "\342\206\277"
    "uharr" "\342\206\276"
    "uhblk" "\342\226\200"
    "ulcorn" "\342\214\234"
    "ulcorner" "\342\214\234"
    "ulcrop" "\342\214\217"
    "ultri" "\342\227\270"
    "umacr" "\305\253"
    "uml" "\302\250"
    "uogon" "\305\263"
    "uopf" "\360\235\225\246"
    "uparrow" "\342\206\221"
    "updownarrow" "\342\206\225"
    "upharpoonleft" "\342\206\277"
    "upharpoonright" "\342\206\276"
    "uplus" "\342\212\216"
    "upsi" "\317\205"
    "upsih" "\317\222"
    "upsilon" "\317\205"
    "upuparrows" "\342\207\210"
    "urcorn" "\342\214\235"
    "urcorner" "\342\214\235"
    "urcrop" "\342\214\216"
    "uring" "\305\257"
    "urtri" "\342\227\271"
    "uscr" "\360\235\223\212"
    "utdot" "\342\213\260"
    "utilde" "\305\251"
    "utri" "\342\226\265"
    "utrif" "\342\226\264"
    "uuarr" "\342\207\210"
    "uuml" "\303\274"
    "uwangle" "\342\246\247"
    "vArr" "\342\207\225"
    "vBar" "\342\253\250"
    "vBarv" "\342\253\251"
    "vDash" "\342\212\250"
    "vangrt" "\342\246\234"
    "varepsilon" "\317\265"
    "varkappa" "\317\260"
    "varnothing" "\342\210\205"
    "varphi" "\317\225"
    "varpi" "\317\226"
    "varpropto" "\342\210\235"
    "varr" "\342\206\225"
    "varrho" "\317\261"
    "varsigma" "\317\202"
    "varsubsetneq" "\342\212\212\357\270\200"
    "varsubsetneqq" "\342\253\213\357\270\200"
    "varsupsetneq" "\342\212\213\357\270\200"
    "varsupsetneqq" "\342\253\214\357\270\200"
    "vartheta" "\317\221"
    "vartriangleleft" "\342\212\262"
    "vartriangleright" "\342\212\263"
    "vcy" "\320\262"
    "vdash" "\342\212\242"
    "vee" "\342\210\250"
    "veebar" "\342\212\273"
    "veeeq" "\342\211\232"
    "vellip" "\342\213\256"
    "verbar" "|"
    "vert" "|"
    "vfr" "\360\235\224\263"
    "vltri" "\342\212\262"
    "vnsub" "\342\212\202\342\203\222"
    "vnsup" "\342\212\203\342\203\222"
    "vopf" "\360\235\225\247"
    "vprop" "\342\210\235"
    "vrtri" "\342\212\263"
    "vscr" "\360\235\223\213"
    "vsubnE" "\342\253\213\357\270\200"
    "vsubne" "\342\212\212\357\270\200"
    "vsupnE" "\342\253\214\357\270\200"
    "vsupne" "\342\212\213\357\270\200"
    "vzigzag" "\342\246\232"
    "wcirc" "\305\265"
    "wedbar" "\342\251\237"
    "wedge" "\342\210\247"
    "wedgeq" "\342\211\231"
    "weierp" "\342\204\230"
    "wfr" "\360\235\224\264"
    "wopf" "\360\235\225\250"
    "wp" "\342\204\230"
    "wr" "\342\211\200"
    "wreath" "\342\211\200"
    "wscr" "\360\235\223\214"
    "xcap" "\342\213\202"
    "xcirc" "\342\227\257"
    "xcup" "\342\213\203"
    "xdtri" "\342\226\275"
    "xfr" "\360\235\224\265"
    "xhArr" "\342\237\272"
    "xharr" "\342\237\267"
    "xi" "\316\276"
    "xlArr" "\342\237\270"
    "xlarr" "\342\237\265"
    "xmap" "\342\237\274"
    "xnis" "\342\213\273"
    "xodot" "\342\250\200"
    "xopf" "\360\235\225\251"
    "xoplus" "\342\250\201"
    "xotime" "\342\250\202"
    "xrArr" "\342\237\271"
    "xrarr" "\342\237\266"
    "xscr" "\360\235\223\215"
    "xsqcup" "\342\250\206"
    "xuplus" "\342\250\204"
    "xutri" "\342\226\263"
    "xvee" "\342\213\201"
    "xwedge" "\342\213\200"
    "yacute" "\303\275"
    "yacy" "\321\217"
    "ycirc" "\305\267"
    "ycy" "\321\213"
    "yen" "\302\245"
    "yfr" "\360\235\224\266"
    "yicy" "\321\227"
    "yopf" "\360\235\225\252"
    "yscr" "\360\235\223\216"
    "yucy" "\321\216"
    "yuml" "\303\277"
    "zacute" "\305\272"
    "zcaron" "\305\276"
    "zcy" "\320\267"
    "zdot" "\305\274"
    "zeetrf" "\342\204\250"
    "zeta" "\316\266"
    "zfr" "\360\235\224\267"
    "zhcy" "\320\266"
    "zigrarr" "\342\207\235"
    "zopf" "\360\235\225\253"
    "zscr" "\360\235\223\217"
    "zwj" "\342\200\215"
    "zwnj" "\342\200\214";

const NamedEntity kNamedEntities[2125] = {
    {0, 5, 5, 2},  // AElig
    {7, 3, 10, 1},  // AMP
    {11, 6, 17, 2},  // Aacute
    {19, 6, 25, 2},  // Abreve
    {27, 5, 32, 2},  // Acirc
    {34, 3, 37, 2},  // Acy
    {39, 3, 42, 4},  // Afr
    {46, 6, 52, 2},  // Agrave
    {54, 5, 59, 2},  // Alpha
    {61, 5, 66, 2},  // Amacr
    {68, 3, 71, 3},  // And
    {74, 5, 79, 2},  // Aogon
    {81, 4, 85, 4},  // Aopf
    {89, 13, 102, 3},  // ApplyFunction
    {105, 5, 110, 2},  // Aring
    {112, 4, 116, 4},  // Ascr
    {120, 6, 126, 3},  // Assign
    {129, 6, 135, 2},  // Atilde
    {137, 4, 141, 2},  // Auml
    {143, 9, 152, 3},  // Backslash
    {155, 4, 159, 3},  // Barv
    {162, 6, 168, 3},  // Barwed
    {171, 3, 174, 2},  // Bcy
    {176, 7, 183, 3},  // Because
    {186, 10, 196, 3},  // Bernoullis
    {199, 4, 203, 2},  // Beta
    {205, 3, 208, 4},  // Bfr
    {212, 4, 216, 4},  // Bopf
    {220, 5, 225, 2},  // Breve
    {227, 4, 231, 3},  // Bscr
    {234, 6, 240, 3},  // Bumpeq
    {243, 4, 247, 2},  // CHcy
    {249, 4, 253, 2},  // COPY
    {255, 6, 261, 2},  // Cacute
    {263, 3, 266, 3},  // Cap
    {269, 20, 289, 3},  // CapitalDifferentialD
    {292, 7, 299, 3},  // Cayleys
    {302, 6, 308, 2},  // Ccaron
    {310, 6, 316, 2},  // Ccedil
    {318, 5, 323, 2},  // Ccirc
    {325, 7, 332, 3},  // Cconint
    {335, 4, 339, 2},  // Cdot
    {341, 7, 348, 2},  // Cedilla
    {350, 9, 359, 2},  // CenterDot
    {361, 3, 364, 3},  // Cfr
    {367, 3, 370, 2},  // Chi
    {372, 9, 381, 3},  // CircleDot
    {384, 11, 395, 3},  // CircleMinus
    {398, 10, 408, 3},  // CirclePlus
    {411, 11, 422, 3},  // CircleTimes
    {425, 24, 449, 3},  // ClockwiseContourIntegral
    {452, 21, 473, 3},  // CloseCurlyDoubleQuote
    {476, 15, 491, 3},  // CloseCurlyQuote
    {494, 5, 499, 3},  // Colon
    {502, 6, 508, 3},  // Colone
    {511, 9, 520, 3},  // Congruent
    {523, 6, 529, 3},  // Conint
    {532, 15, 547, 3},  // ContourIntegral
    {550, 4, 554, 3},  // Copf
    {557, 9, 566, 3},  // Coproduct
    {569, 31, 600, 3},  // CounterClockwiseContourIntegral
    {603, 5, 608, 3},  // Cross
    {611, 4, 615, 4},  // Cscr
    {619, 3, 622, 3},  // Cup
    {625, 6, 631, 3},  // CupCap
    {634, 2, 636, 3},  // DD
    {639, 8, 647, 3},  // DDotrahd
    {650, 4, 654, 2},  // DJcy
    {656, 4, 660, 2},  // DScy
    {662, 4, 666, 2},  // DZcy
    {668, 6, 674, 3},  // Dagger
    {677, 4, 681, 3},  // Darr
    {684, 5, 689, 3},  // Dashv
    {692, 6, 698, 2},  // Dcaron
    {700, 3, 703, 2},  // Dcy
    {705, 3, 708, 3},  // Del
    {711, 5, 716, 2},  // Delta
    {718, 3, 721, 4},  // Dfr
    {725, 16, 741, 2},  // DiacriticalAcute
    {743, 14, 757, 2},  // DiacriticalDot
    {759, 22, 781, 2},  // DiacriticalDoubleAcute
    {783, 16, 799, 1},  // DiacriticalGrave
    {800, 16, 816, 2},  // DiacriticalTilde
    {818, 7, 825, 3},  // Diamond
    {828, 13, 841, 3},  // DifferentialD
    {844, 4, 848, 4},  // Dopf
    {852, 3, 855, 2},  // Dot
    {857, 6, 863, 3},  // DotDot
    {866, 8, 874, 3},  // DotEqual
    {877, 21, 898, 3},  // DoubleContourIntegral
    {901, 9, 910, 2},  // DoubleDot
    {912, 15, 927, 3},  // DoubleDownArrow
    {930, 15, 945, 3},  // DoubleLeftArrow
    {948, 20, 968, 3},  // DoubleLeftRightArrow
    {971, 13, 984, 3},  // DoubleLeftTee
    {987, 19, 1006, 3},  // DoubleLongLeftArrow
    {1009, 24, 1033, 3},  // DoubleLongLeftRightArrow
    {1036, 20, 1056, 3},  // DoubleLongRightArrow
    {1059, 16, 1075, 3},  // DoubleRightArrow
    {1078, 14, 1092, 3},  // DoubleRightTee
    {1095, 13, 1108, 3},  // DoubleUpArrow
    {1111, 17, 1128, 3},  // DoubleUpDownArrow
    {1131, 17, 1148, 3},  // DoubleVerticalBar
    {1151, 9, 1160, 3},  // DownArrow
    {1163, 12, 1175, 3},  // DownArrowBar
    {1178, 16, 1194, 3},  // DownArrowUpArrow
    {1197, 9, 1206, 2},  // DownBreve
    {1208, 19, 1227, 3},  // DownLeftRightVector
    {1230, 17, 1247, 3},  // DownLeftTeeVector
    {1250, 14, 1264, 3},  // DownLeftVector
    {1267, 17, 1284, 3},  // DownLeftVectorBar
    {1287, 18, 1305, 3},  // DownRightTeeVector
    {1308, 15, 1323, 3},  // DownRightVector
    {1326, 18, 1344, 3},  // DownRightVectorBar
    {1347, 7, 1354, 3},  // DownTee
    {1357, 12, 1369, 3},  // DownTeeArrow
    {1372, 9, 1381, 3},  // Downarrow
    {1384, 4, 1388, 4},  // Dscr
    {1392, 6, 1398, 2},  // Dstrok
    {1400, 3, 1403, 2},  // ENG
    {1405, 3, 1408, 2},  // ETH
    {1410, 6, 1416, 2},  // Eacute
    {1418, 6, 1424, 2},  // Ecaron
    {1426, 5, 1431, 2},  // Ecirc
    {1433, 3, 1436, 2},  // Ecy
    {1438, 4, 1442, 2},  // Edot
    {1444, 3, 1447, 4},  // Efr
    {1451, 6, 1457, 2},  // Egrave
    {1459, 7, 1466, 3},  // Element
    {1469, 5, 1474, 2},  // Emacr
    {1476, 16, 1492, 3},  // EmptySmallSquare
    {1495, 20, 1515, 3},  // EmptyVerySmallSquare
    {1518, 5, 1523, 2},  // Eogon
    {1525, 4, 1529, 4},  // Eopf
    {1533, 7, 1540, 2},  // Epsilon
    {1542, 5, 1547, 3},  // Equal
    {1550, 10, 1560, 3},  // EqualTilde
    {1563, 11, 1574, 3},  // Equilibrium
    {1577, 4, 1581, 3},  // Escr
    {1584, 4, 1588, 3},  // Esim
    {1591, 3, 1594, 2},  // Eta
    {1596, 4, 1600, 2},  // Euml
    {1602, 6, 1608, 3},  // Exists
    {1611, 12, 1623, 3},  // ExponentialE
    {1626, 3, 1629, 2},  // Fcy
    {1631, 3, 1634, 4},  // Ffr
    {1638, 17, 1655, 3},  // FilledSmallSquare
    {1658, 21, 1679, 3},  // FilledVerySmallSquare
    {1682, 4, 1686, 4},  // Fopf
    {1690, 6, 1696, 3},  // ForAll
    {1699, 10, 1709, 3},  // Fouriertrf
    {1712, 4, 1716, 3},  // Fscr
    {1719, 4, 1723, 2},  // GJcy
    {1725, 2, 1727, 1},  // GT
    {1728, 5, 1733, 2},  // Gamma
    {1735, 6, 1741, 2},  // Gammad
    {1743, 6, 1749, 2},  // Gbreve
    {1751, 6, 1757, 2},  // Gcedil
    {1759, 5, 1764, 2},  // Gcirc
    {1766, 3, 1769, 2},  // Gcy
    {1771, 4, 1775, 2},  // Gdot
    {1777, 3, 1780, 4},  // Gfr
    {1784, 2, 1786, 3},  // Gg
    {1789, 4, 1793, 4},  // Gopf
    {1797, 12, 1809, 3},  // GreaterEqual
    {1812, 16, 1828, 3},  // GreaterEqualLess
    {1831, 16, 1847, 3},  // GreaterFullEqual
    {1850, 14, 1864, 3},  // GreaterGreater
    {1867, 11, 1878, 3},  // GreaterLess
    {1881, 17, 1898, 3},  // GreaterSlantEqual
    {1901, 12, 1913, 3},  // GreaterTilde
    {1916, 4, 1920, 4},  // Gscr
    {1924, 2, 1926, 3},  // Gt
    {1929, 6, 1935, 2},  // HARDcy
    {1937, 5, 1942, 2},  // Hacek
    {1944, 3, 1947, 1},  // Hat
    {1948, 5, 1953, 2},  // Hcirc
    {1955, 3, 1958, 3},  // Hfr
    {1961, 12, 1973, 3},  // HilbertSpace
    {1976, 4, 1980, 3},  // Hopf
    {1983, 14, 1997, 3},  // HorizontalLine
    {2000, 4, 2004, 3},  // Hscr
    {2007, 6, 2013, 2},  // Hstrok
    {2015, 12, 2027, 3},  // HumpDownHump
    {2030, 9, 2039, 3},  // HumpEqual
    {2042, 4, 2046, 2},  // IEcy
    {2048, 5, 2053, 2},  // IJlig
    {2055, 4, 2059, 2},  // IOcy
    {2061, 6, 2067, 2},  // Iacute
    {2069, 5, 2074, 2},  // Icirc
    {2076, 3, 2079, 2},  // Icy
    {2081, 4, 2085, 2},  // Idot
    {2087, 3, 2090, 3},  // Ifr
    {2093, 6, 2099, 2},  // Igrave
    {2101, 2, 2103, 3},  // Im
    {2106, 5, 2111, 2},  // Imacr
    {2113, 10, 2123, 3},  // ImaginaryI
    {2126, 7, 2133, 3},  // Implies
    {2136, 3, 2139, 3},  // Int
    {2142, 8, 2150, 3},  // Integral
    {2153, 12, 2165, 3},  // Intersection
    {2168, 14, 2182, 3},  // InvisibleComma
    {2185, 14, 2199, 3},  // InvisibleTimes
    {2202, 5, 2207, 2},  // Iogon
    {2209, 4, 2213, 4},  // Iopf
    {2217, 4, 2221, 2},  // Iota
    {2223, 4, 2227, 3},  // Iscr
    {2230, 6, 2236, 2},  // Itilde
    {2238, 5, 2243, 2},  // Iukcy
    {2245, 4, 2249, 2},  // Iuml
    {2251, 5, 2256, 2},  // Jcirc
    {2258, 3, 2261, 2},  // Jcy
    {2263, 3, 2266, 4},  // Jfr
    {2270, 4, 2274, 4},  // Jopf
    {2278, 4, 2282, 4},  // Jscr
    {2286, 6, 2292, 2},  // Jsercy
    {2294, 5, 2299, 2},  // Jukcy
    {2301, 4, 2305, 2},  // KHcy
    {2307, 4, 2311, 2},  // KJcy
    {2313, 5, 2318, 2},  // Kappa
    {2320, 6, 2326, 2},  // Kcedil
    {2328, 3, 2331, 2},  // Kcy
    {2333, 3, 2336, 4},  // Kfr
    {2340, 4, 2344, 4},  // Kopf
    {2348, 4, 2352, 4},  // Kscr
    {2356, 4, 2360, 2},  // LJcy
    {2362, 2, 2364, 1},  // LT
    {2365, 6, 2371, 2},  // Lacute
    {2373, 6, 2379, 2},  // Lambda
    {2381, 4, 2385, 3},  // Lang
    {2388, 10, 2398, 3},  // Laplacetrf
    {2401, 4, 2405, 3},  // Larr
    {2408, 6, 2414, 2},  // Lcaron
    {2416, 6, 2422, 2},  // Lcedil
    {2424, 3, 2427, 2},  // Lcy
    {2429, 16, 2445, 3},  // LeftAngleBracket
    {2448, 9, 2457, 3},  // LeftArrow
    {2460, 12, 2472, 3},  // LeftArrowBar
    {2475, 19, 2494, 3},  // LeftArrowRightArrow
    {2497, 11, 2508, 3},  // LeftCeiling
    {2511, 17, 2528, 3},  // LeftDoubleBracket
    {2531, 17, 2548, 3},  // LeftDownTeeVector
    {2551, 14, 2565, 3},  // LeftDownVector
    {2568, 17, 2585, 3},  // LeftDownVectorBar
    {2588, 9, 2597, 3},  // LeftFloor
    {2600, 14, 2614, 3},  // LeftRightArrow
    {2617, 15, 2632, 3},  // LeftRightVector
    {2635, 7, 2642, 3},  // LeftTee
    {2645, 12, 2657, 3},  // LeftTeeArrow
    {2660, 13, 2673, 3},  // LeftTeeVector
    {2676, 12, 2688, 3},  // LeftTriangle
    {2691, 15, 2706, 3},  // LeftTriangleBar
    {2709, 17, 2726, 3},  // LeftTriangleEqual
    {2729, 16, 2745, 3},  // LeftUpDownVector
    {2748, 15, 2763, 3},  // LeftUpTeeVector
    {2766, 12, 2778, 3},  // LeftUpVector
    {2781, 15, 2796, 3},  // LeftUpVectorBar
    {2799, 10, 2809, 3},  // LeftVector
    {2812, 13, 2825, 3},  // LeftVectorBar
    {2828, 9, 2837, 3},  // Leftarrow
    {2840, 14, 2854, 3},  // Leftrightarrow
    {2857, 16, 2873, 3},  // LessEqualGreater
    {2876, 13, 2889, 3},  // LessFullEqual
    {2892, 11, 2903, 3},  // LessGreater
    {2906, 8, 2914, 3},  // LessLess
    {2917, 14, 2931, 3},  // LessSlantEqual
    {2934, 9, 2943, 3},  // LessTilde
    {2946, 3, 2949, 4},  // Lfr
    {2953, 2, 2955, 3},  // Ll
    {2958, 10, 2968, 3},  // Lleftarrow
    {2971, 6, 2977, 2},  // Lmidot
    {2979, 13, 2992, 3},  // LongLeftArrow
    {2995, 18, 3013, 3},  // LongLeftRightArrow
    {3016, 14, 3030, 3},  // LongRightArrow
    {3033, 13, 3046, 3},  // Longleftarrow
    {3049, 18, 3067, 3},  // Longleftrightarrow
    {3070, 14, 3084, 3},  // Longrightarrow
    {3087, 4, 3091, 4},  // Lopf
    {3095, 14, 3109, 3},  // LowerLeftArrow
    {3112, 15, 3127, 3},  // LowerRightArrow
    {3130, 4, 3134, 3},  // Lscr
    {3137, 3, 3140, 3},  // Lsh
    {3143, 6, 3149, 2},  // Lstrok
    {3151, 2, 3153, 3},  // Lt
    {3156, 3, 3159, 3},  // Map
    {3162, 3, 3165, 2},  // Mcy
    {3167, 11, 3178, 3},  // MediumSpace
    {3181, 9, 3190, 3},  // Mellintrf
    {3193, 3, 3196, 4},  // Mfr
    {3200, 9, 3209, 3},  // MinusPlus
    {3212, 4, 3216, 4},  // Mopf
    {3220, 4, 3224, 3},  // Mscr
    {3227, 2, 3229, 2},  // Mu
    {3231, 4, 3235, 2},  // NJcy
    {3237, 6, 3243, 2},  // Nacute
    {3245, 6, 3251, 2},  // Ncaron
    {3253, 6, 3259, 2},  // Ncedil
    {3261, 3, 3264, 2},  // Ncy
    {3266, 19, 3285, 3},  // NegativeMediumSpace
    {3288, 18, 3306, 3},  // NegativeThickSpace
    {3309, 17, 3326, 3},  // NegativeThinSpace
    {3329, 21, 3350, 3},  // NegativeVeryThinSpace
    {3353, 20, 3373, 3},  // NestedGreaterGreater
    {3376, 14, 3390, 3},  // NestedLessLess
    {3393, 7, 3400, 1},  // NewLine
    {3401, 3, 3404, 4},  // Nfr
    {3408, 7, 3415, 3},  // NoBreak
    {3418, 16, 3434, 2},  // NonBreakingSpace
    {3436, 4, 3440, 3},  // Nopf
    {3443, 3, 3446, 3},  // Not
    {3449, 12, 3461, 3},  // NotCongruent
    {3464, 9, 3473, 3},  // NotCupCap
    {3476, 20, 3496, 3},  // NotDoubleVerticalBar
    {3499, 10, 3509, 3},  // NotElement
    {3512, 8, 3520, 3},  // NotEqual
    {3523, 13, 3536, 5},  // NotEqualTilde
    {3541, 9, 3550, 3},  // NotExists
    {3553, 10, 3563, 3},  // NotGreater
    {3566, 15, 3581, 3},  // NotGreaterEqual
    {3584, 19, 3603, 5},  // NotGreaterFullEqual
    {3608, 17, 3625, 5},  // NotGreaterGreater
    {3630, 14, 3644, 3},  // NotGreaterLess
    {3647, 20, 3667, 5},  // NotGreaterSlantEqual
    {3672, 15, 3687, 3},  // NotGreaterTilde
    {3690, 15, 3705, 5},  // NotHumpDownHump
    {3710, 12, 3722, 5},  // NotHumpEqual
    {3727, 15, 3742, 3},  // NotLeftTriangle
    {3745, 18, 3763, 5},  // NotLeftTriangleBar
    {3768, 20, 3788, 3},  // NotLeftTriangleEqual
    {3791, 7, 3798, 3},  // NotLess
    {3801, 12, 3813, 3},  // NotLessEqual
    {3816, 14, 3830, 3},  // NotLessGreater
    {3833, 11, 3844, 5},  // NotLessLess
    {3849, 17, 3866, 5},  // NotLessSlantEqual
    {3871, 12, 3883, 3},  // NotLessTilde
    {3886, 23, 3909, 5},  // NotNestedGreaterGreater
    {3914, 17, 3931, 5},  // NotNestedLessLess
    {3936, 11, 3947, 3},  // NotPrecedes
    {3950, 16, 3966, 5},  // NotPrecedesEqual
    {3971, 21, 3992, 3},  // NotPrecedesSlantEqual
    {3995, 17, 4012, 3},  // NotReverseElement
    {4015, 16, 4031, 3},  // NotRightTriangle
    {4034, 19, 4053, 5},  // NotRightTriangleBar
    {4058, 21, 4079, 3},  // NotRightTriangleEqual
    {4082, 15, 4097, 5},  // NotSquareSubset
    {4102, 20, 4122, 3},  // NotSquareSubsetEqual
    {4125, 17, 4142, 5},  // NotSquareSuperset
    {4147, 22, 4169, 3},  // NotSquareSupersetEqual
    {4172, 9, 4181, 6},  // NotSubset
    {4187, 14, 4201, 3},  // NotSubsetEqual
    {4204, 11, 4215, 3},  // NotSucceeds
    {4218, 16, 4234, 5},  // NotSucceedsEqual
    {4239, 21, 4260, 3},  // NotSucceedsSlantEqual
    {4263, 16, 4279, 5},  // NotSucceedsTilde
    {4284, 11, 4295, 6},  // NotSuperset
    {4301, 16, 4317, 3},  // NotSupersetEqual
    {4320, 8, 4328, 3},  // NotTilde
    {4331, 13, 4344, 3},  // NotTildeEqual
    {4347, 17, 4364, 3},  // NotTildeFullEqual
    {4367, 13, 4380, 3},  // NotTildeTilde
    {4383, 14, 4397, 3},  // NotVerticalBar
    {4400, 4, 4404, 4},  // Nscr
    {4408, 6, 4414, 2},  // Ntilde
    {4416, 2, 4418, 2},  // Nu
    {4420, 5, 4425, 2},  // OElig
    {4427, 6, 4433, 2},  // Oacute
    {4435, 5, 4440, 2},  // Ocirc
    {4442, 3, 4445, 2},  // Ocy
    {4447, 6, 4453, 2},  // Odblac
    {4455, 3, 4458, 4},  // Ofr
    {4462, 6, 4468, 2},  // Ograve
    {4470, 5, 4475, 2},  // Omacr
    {4477, 5, 4482, 2},  // Omega
    {4484, 7, 4491, 2},  // Omicron
    {4493, 4, 4497, 4},  // Oopf
    {4501, 20, 4521, 3},  // OpenCurlyDoubleQuote
    {4524, 14, 4538, 3},  // OpenCurlyQuote
    {4541, 2, 4543, 3},  // Or
    {4546, 4, 4550, 4},  // Oscr
    {4554, 6, 4560, 2},  // Oslash
    {4562, 6, 4568, 2},  // Otilde
    {4570, 6, 4576, 3},  // Otimes
    {4579, 4, 4583, 2},  // Ouml
    {4585, 7, 4592, 3},  // OverBar
    {4595, 9, 4604, 3},  // OverBrace
    {4607, 11, 4618, 3},  // OverBracket
    {4621, 15, 4636, 3},  // OverParenthesis
    {4639, 8, 4647, 3},  // PartialD
    {4650, 3, 4653, 2},  // Pcy
    {4655, 3, 4658, 4},  // Pfr
    {4662, 3, 4665, 2},  // Phi
    {4667, 2, 4669, 2},  // Pi
    {4671, 9, 4680, 2},  // PlusMinus
    {4682, 13, 4695, 3},  // Poincareplane
    {4698, 4, 4702, 3},  // Popf
    {4705, 2, 4707, 3},  // Pr
    {4710, 8, 4718, 3},  // Precedes
    {4721, 13, 4734, 3},  // PrecedesEqual
    {4737, 18, 4755, 3},  // PrecedesSlantEqual
    {4758, 13, 4771, 3},  // PrecedesTilde
    {4774, 5, 4779, 3},  // Prime
    {4782, 7, 4789, 3},  // Product
    {4792, 10, 4802, 3},  // Proportion
    {4805, 12, 4817, 3},  // Proportional
    {4820, 4, 4824, 4},  // Pscr
    {4828, 3, 4831, 2},  // Psi
    {4833, 4, 4837, 1},  // QUOT
    {4838, 3, 4841, 4},  // Qfr
    {4845, 4, 4849, 3},  // Qopf
    {4852, 4, 4856, 4},  // Qscr
    {4860, 5, 4865, 3},  // RBarr
    {4868, 3, 4871, 2},  // REG
    {4873, 6, 4879, 2},  // Racute
    {4881, 4, 4885, 3},  // Rang
    {4888, 4, 4892, 3},  // Rarr
    {4895, 6, 4901, 3},  // Rarrtl
    {4904, 6, 4910, 2},  // Rcaron
    {4912, 6, 4918, 2},  // Rcedil
    {4920, 3, 4923, 2},  // Rcy
    {4925, 2, 4927, 3},  // Re
    {4930, 14, 4944, 3},  // ReverseElement
    {4947, 18, 4965, 3},  // ReverseEquilibrium
    {4968, 20, 4988, 3},  // ReverseUpEquilibrium
    {4991, 3, 4994, 3},  // Rfr
    {4997, 3, 5000, 2},  // Rho
    {5002, 17, 5019, 3},  // RightAngleBracket
    {5022, 10, 5032, 3},  // RightArrow
    {5035, 13, 5048, 3},  // RightArrowBar
    {5051, 19, 5070, 3},  // RightArrowLeftArrow
    {5073, 12, 5085, 3},  // RightCeiling
    {5088, 18, 5106, 3},  // RightDoubleBracket
    {5109, 18, 5127, 3},  // RightDownTeeVector
    {5130, 15, 5145, 3},  // RightDownVector
    {5148, 18, 5166, 3},  // RightDownVectorBar
    {5169, 10, 5179, 3},  // RightFloor
    {5182, 8, 5190, 3},  // RightTee
    {5193, 13, 5206, 3},  // RightTeeArrow
    {5209, 14, 5223, 3},  // RightTeeVector
    {5226, 13, 5239, 3},  // RightTriangle
    {5242, 16, 5258, 3},  // RightTriangleBar
    {5261, 18, 5279, 3},  // RightTriangleEqual
    {5282, 17, 5299, 3},  // RightUpDownVector
    {5302, 16, 5318, 3},  // RightUpTeeVector
    {5321, 13, 5334, 3},  // RightUpVector
    {5337, 16, 5353, 3},  // RightUpVectorBar
    {5356, 11, 5367, 3},  // RightVector
    {5370, 14, 5384, 3},  // RightVectorBar
    {5387, 10, 5397, 3},  // Rightarrow
    {5400, 4, 5404, 3},  // Ropf
    {5407, 12, 5419, 3},  // RoundImplies
    {5422, 11, 5433, 3},  // Rrightarrow
    {5436, 4, 5440, 3},  // Rscr
    {5443, 3, 5446, 3},  // Rsh
    {5449, 11, 5460, 3},  // RuleDelayed
    {5463, 6, 5469, 2},  // SHCHcy
    {5471, 4, 5475, 2},  // SHcy
    {5477, 6, 5483, 2},  // SOFTcy
    {5485, 6, 5491, 2},  // Sacute
    {5493, 2, 5495, 3},  // Sc
    {5498, 6, 5504, 2},  // Scaron
    {5506, 6, 5512, 2},  // Scedil
    {5514, 5, 5519, 2},  // Scirc
    {5521, 3, 5524, 2},  // Scy
    {5526, 3, 5529, 4},  // Sfr
    {5533, 14, 5547, 3},  // ShortDownArrow
    {5550, 14, 5564, 3},  // ShortLeftArrow
    {5567, 15, 5582, 3},  // ShortRightArrow
    {5585, 12, 5597, 3},  // ShortUpArrow
    {5600, 5, 5605, 2},  // Sigma
    {5607, 11, 5618, 3},  // SmallCircle
    {5621, 4, 5625, 4},  // Sopf
    {5629, 4, 5633, 3},  // Sqrt
    {5636, 6, 5642, 3},  // Square
    {5645, 18, 5663, 3},  // SquareIntersection
    {5666, 12, 5678, 3},  // SquareSubset
    {5681, 17, 5698, 3},  // SquareSubsetEqual
    {5701, 14, 5715, 3},  // SquareSuperset
    {5718, 19, 5737, 3},  // SquareSupersetEqual
    {5740, 11, 5751, 3},  // SquareUnion
    {5754, 4, 5758, 4},  // Sscr
    {5762, 4, 5766, 3},  // Star
    {5769, 3, 5772, 3},  // Sub
    {5775, 6, 5781, 3},  // Subset
    {5784, 11, 5795, 3},  // SubsetEqual
    {5798, 8, 5806, 3},  // Succeeds
    {5809, 13, 5822, 3},  // SucceedsEqual
    {5825, 18, 5843, 3},  // SucceedsSlantEqual
    {5846, 13, 5859, 3},  // SucceedsTilde
    {5862, 8, 5870, 3},  // SuchThat
    {5873, 3, 5876, 3},  // Sum
    {5879, 3, 5882, 3},  // Sup
    {5885, 8, 5893, 3},  // Superset
    {5896, 13, 5909, 3},  // SupersetEqual
    {5912, 6, 5918, 3},  // Supset
    {5921, 5, 5926, 2},  // THORN
    {5928, 5, 5933, 3},  // TRADE
    {5936, 5, 5941, 2},  // TSHcy
    {5943, 4, 5947, 2},  // TScy
    {5949, 3, 5952, 1},  // Tab
    {5953, 3, 5956, 2},  // Tau
    {5958, 6, 5964, 2},  // Tcaron
    {5966, 6, 5972, 2},  // Tcedil
    {5974, 3, 5977, 2},  // Tcy
    {5979, 3, 5982, 4},  // Tfr
    {5986, 9, 5995, 3},  // Therefore
    {5998, 5, 6003, 2},  // Theta
    {6005, 10, 6015, 6},  // ThickSpace
    {6021, 9, 6030, 3},  // ThinSpace
    {6033, 5, 6038, 3},  // Tilde
    {6041, 10, 6051, 3},  // TildeEqual
    {6054, 14, 6068, 3},  // TildeFullEqual
    {6071, 10, 6081, 3},  // TildeTilde
    {6084, 4, 6088, 4},  // Topf
    {6092, 9, 6101, 3},  // TripleDot
    {6104, 4, 6108, 4},  // Tscr
    {6112, 6, 6118, 2},  // Tstrok
    {6120, 6, 6126, 2},  // Uacute
    {6128, 4, 6132, 3},  // Uarr
    {6135, 8, 6143, 3},  // Uarrocir
    {6146, 5, 6151, 2},  // Ubrcy
    {6153, 6, 6159, 2},  // Ubreve
    {6161, 5, 6166, 2},  // Ucirc
    {6168, 3, 6171, 2},  // Ucy
    {6173, 6, 6179, 2},  // Udblac
    {6181, 3, 6184, 4},  // Ufr
    {6188, 6, 6194, 2},  // Ugrave
    {6196, 5, 6201, 2},  // Umacr
    {6203, 8, 6211, 1},  // UnderBar
    {6212, 10, 6222, 3},  // UnderBrace
    {6225, 12, 6237, 3},  // UnderBracket
    {6240, 16, 6256, 3},  // UnderParenthesis
    {6259, 5, 6264, 3},  // Union
    {6267, 9, 6276, 3},  // UnionPlus
    {6279, 5, 6284, 2},  // Uogon
    {6286, 4, 6290, 4},  // Uopf
    {6294, 7, 6301, 3},  // UpArrow
    {6304, 10, 6314, 3},  // UpArrowBar
    {6317, 16, 6333, 3},  // UpArrowDownArrow
    {6336, 11, 6347, 3},  // UpDownArrow
    {6350, 13, 6363, 3},  // UpEquilibrium
    {6366, 5, 6371, 3},  // UpTee
    {6374, 10, 6384, 3},  // UpTeeArrow
    {6387, 7, 6394, 3},  // Uparrow
    {6397, 11, 6408, 3},  // Updownarrow
    {6411, 14, 6425, 3},  // UpperLeftArrow
    {6428, 15, 6443, 3},  // UpperRightArrow
    {6446, 4, 6450, 2},  // Upsi
    {6452, 7, 6459, 2},  // Upsilon
    {6461, 5, 6466, 2},  // Uring
    {6468, 4, 6472, 4},  // Uscr
    {6476, 6, 6482, 2},  // Utilde
    {6484, 4, 6488, 2},  // Uuml
    {6490, 5, 6495, 3},  // VDash
    {6498, 4, 6502, 3},  // Vbar
    {6505, 3, 6508, 2},  // Vcy
    {6510, 5, 6515, 3},  // Vdash
    {6518, 6, 6524, 3},  // Vdashl
    {6527, 3, 6530, 3},  // Vee
    {6533, 6, 6539, 3},  // Verbar
    {6542, 4, 6546, 3},  // Vert
    {6549, 11, 6560, 3},  // VerticalBar
    {6563, 12, 6575, 1},  // VerticalLine
    {6576, 17, 6593, 3},  // VerticalSeparator
    {6596, 13, 6609, 3},  // VerticalTilde
    {6612, 13, 6625, 3},  // VeryThinSpace
    {6628, 3, 6631, 4},  // Vfr
    {6635, 4, 6639, 4},  // Vopf
    {6643, 4, 6647, 4},  // Vscr
    {6651, 6, 6657, 3},  // Vvdash
    {6660, 5, 6665, 2},  // Wcirc
    {6667, 5, 6672, 3},  // Wedge
    {6675, 3, 6678, 4},  // Wfr
    {6682, 4, 6686, 4},  // Wopf
    {6690, 4, 6694, 4},  // Wscr
    {6698, 3, 6701, 4},  // Xfr
    {6705, 2, 6707, 2},  // Xi
    {6709, 4, 6713, 4},  // Xopf
    {6717, 4, 6721, 4},  // Xscr
    {6725, 4, 6729, 2},  // YAcy
    {6731, 4, 6735, 2},  // YIcy
    {6737, 4, 6741, 2},  // YUcy
    {6743, 6, 6749, 2},  // Yacute
    {6751, 5, 6756, 2},  // Ycirc
    {6758, 3, 6761, 2},  // Ycy
    {6763, 3, 6766, 4},  // Yfr
    {6770, 4, 6774, 4},  // Yopf
    {6778, 4, 6782, 4},  // Yscr
    {6786, 4, 6790, 2},  // Yuml
    {6792, 4, 6796, 2},  // ZHcy
    {6798, 6, 6804, 2},  // Zacute
    {6806, 6, 6812, 2},  // Zcaron
    {6814, 3, 6817, 2},  // Zcy
    {6819, 4, 6823, 2},  // Zdot
    {6825, 14, 6839, 3},  // ZeroWidthSpace
    {6842, 4, 6846, 2},  // Zeta
    {6848, 3, 6851, 3},  // Zfr
    {6854, 4, 6858, 3},  // Zopf
    {6861, 4, 6865, 4},  // Zscr
    {6869, 6, 6875, 2},  // aacute
    {6877, 6, 6883, 2},  // abreve
    {6885, 2, 6887, 3},  // ac
    {6890, 3, 6893, 5},  // acE
    {6898, 3, 6901, 3},  // acd
    {6904, 5, 6909, 2},  // acirc
    {6911, 5, 6916, 2},  // acute
    {6918, 3, 6921, 2},  // acy
    {6923, 5, 6928, 2},  // aelig
    {6930, 2, 6932, 3},  // af
    {6935, 3, 6938, 4},  // afr
    {6942, 6, 6948, 2},  // agrave
    {6950, 7, 6957, 3},  // alefsym
    {6960, 5, 6965, 3},  // aleph
    {6968, 5, 6973, 2},  // alpha
    {6975, 5, 6980, 2},  // amacr
    {6982, 5, 6987, 3},  // amalg
    {6990, 3, 6993, 1},  // amp
    {6994, 3, 6997, 3},  // and
    {7000, 6, 7006, 3},  // andand
    {7009, 4, 7013, 3},  // andd
    {7016, 8, 7024, 3},  // andslope
    {7027, 4, 7031, 3},  // andv
    {7034, 3, 7037, 3},  // ang
    {7040, 4, 7044, 3},  // ange
    {7047, 5, 7052, 3},  // angle
    {7055, 6, 7061, 3},  // angmsd
    {7064, 8, 7072, 3},  // angmsdaa
    {7075, 8, 7083, 3},  // angmsdab
    {7086, 8, 7094, 3},  // angmsdac
    {7097, 8, 7105, 3},  // angmsdad
    {7108, 8, 7116, 3},  // angmsdae
    {7119, 8, 7127, 3},  // angmsdaf
    {7130, 8, 7138, 3},  // angmsdag
    {7141, 8, 7149, 3},  // angmsdah
    {7152, 5, 7157, 3},  // angrt
    {7160, 7, 7167, 3},  // angrtvb
    {7170, 8, 7178, 3},  // angrtvbd
    {7181, 6, 7187, 3},  // angsph
    {7190, 5, 7195, 2},  // angst
    {7197, 7, 7204, 3},  // angzarr
    {7207, 5, 7212, 2},  // aogon
    {7214, 4, 7218, 4},  // aopf
    {7222, 2, 7224, 3},  // ap
    {7227, 3, 7230, 3},  // apE
    {7233, 6, 7239, 3},  // apacir
    {7242, 3, 7245, 3},  // ape
    {7248, 4, 7252, 3},  // apid
    {7255, 4, 7259, 1},  // apos
    {7260, 6, 7266, 3},  // approx
    {7269, 8, 7277, 3},  // approxeq
    {7280, 5, 7285, 2},  // aring
    {7287, 4, 7291, 4},  // ascr
    {7295, 3, 7298, 1},  // ast
    {7299, 5, 7304, 3},  // asymp
    {7307, 7, 7314, 3},  // asympeq
    {7317, 6, 7323, 2},  // atilde
    {7325, 4, 7329, 2},  // auml
    {7331, 8, 7339, 3},  // awconint
    {7342, 5, 7347, 3},  // awint
    {7350, 4, 7354, 3},  // bNot
    {7357, 8, 7365, 3},  // backcong
    {7368, 11, 7379, 2},  // backepsilon
    {7381, 9, 7390, 3},  // backprime
    {7393, 7, 7400, 3},  // backsim
    {7403, 9, 7412, 3},  // backsimeq
    {7415, 6, 7421, 3},  // barvee
    {7424, 6, 7430, 3},  // barwed
    {7433, 8, 7441, 3},  // barwedge
    {7444, 4, 7448, 3},  // bbrk
    {7451, 8, 7459, 3},  // bbrktbrk
    {7462, 5, 7467, 3},  // bcong
    {7470, 3, 7473, 2},  // bcy
    {7475, 5, 7480, 3},  // bdquo
    {7483, 6, 7489, 3},  // becaus
    {7492, 7, 7499, 3},  // because
    {7502, 7, 7509, 3},  // bemptyv
    {7512, 5, 7517, 2},  // bepsi
    {7519, 6, 7525, 3},  // bernou
    {7528, 4, 7532, 2},  // beta
    {7534, 4, 7538, 3},  // beth
    {7541, 7, 7548, 3},  // between
    {7551, 3, 7554, 4},  // bfr
    {7558, 6, 7564, 3},  // bigcap
    {7567, 7, 7574, 3},  // bigcirc
    {7577, 6, 7583, 3},  // bigcup
    {7586, 7, 7593, 3},  // bigodot
    {7596, 8, 7604, 3},  // bigoplus
    {7607, 9, 7616, 3},  // bigotimes
    {7619, 8, 7627, 3},  // bigsqcup
    {7630, 7, 7637, 3},  // bigstar
    {7640, 15, 7655, 3},  // bigtriangledown
    {7658, 13, 7671, 3},  // bigtriangleup
    {7674, 8, 7682, 3},  // biguplus
    {7685, 6, 7691, 3},  // bigvee
    {7694, 8, 7702, 3},  // bigwedge
    {7705, 6, 7711, 3},  // bkarow
    {7714, 12, 7726, 3},  // blacklozenge
    {7729, 11, 7740, 3},  // blacksquare
    {7743, 13, 7756, 3},  // blacktriangle
    {7759, 17, 7776, 3},  // blacktriangledown
    {7779, 17, 7796, 3},  // blacktriangleleft
    {7799, 18, 7817, 3},  // blacktriangleright
    {7820, 5, 7825, 3},  // blank
    {7828, 5, 7833, 3},  // blk12
    {7836, 5, 7841, 3},  // blk14
    {7844, 5, 7849, 3},  // blk34
    {7852, 5, 7857, 3},  // block
    {7860, 3, 7863, 4},  // bne
    {7867, 7, 7874, 6},  // bnequiv
    {7880, 4, 7884, 3},  // bnot
    {7887, 4, 7891, 4},  // bopf
    {7895, 3, 7898, 3},  // bot
    {7901, 6, 7907, 3},  // bottom
    {7910, 6, 7916, 3},  // bowtie
    {7919, 5, 7924, 3},  // boxDL
    {7927, 5, 7932, 3},  // boxDR
    {7935, 5, 7940, 3},  // boxDl
    {7943, 5, 7948, 3},  // boxDr
    {7951, 4, 7955, 3},  // boxH
    {7958, 5, 7963, 3},  // boxHD
    {7966, 5, 7971, 3},  // boxHU
    {7974, 5, 7979, 3},  // boxHd
    {7982, 5, 7987, 3},  // boxHu
    {7990, 5, 7995, 3},  // boxUL
    {7998, 5, 8003, 3},  // boxUR
    {8006, 5, 8011, 3},  // boxUl
    {8014, 5, 8019, 3},  // boxUr
    {8022, 4, 8026, 3},  // boxV
    {8029, 5, 8034, 3},  // boxVH
    {8037, 5, 8042, 3},  // boxVL
    {8045, 5, 8050, 3},  // boxVR
    {8053, 5, 8058, 3},  // boxVh
    {8061, 5, 8066, 3},  // boxVl
    {8069, 5, 8074, 3},  // boxVr
    {8077, 6, 8083, 3},  // boxbox
    {8086, 5, 8091, 3},  // boxdL
    {8094, 5, 8099, 3},  // boxdR
    {8102, 5, 8107, 3},  // boxdl
    {8110, 5, 8115, 3},  // boxdr
    {8118, 4, 8122, 3},  // boxh
    {8125, 5, 8130, 3},  // boxhD
    {8133, 5, 8138, 3},  // boxhU
    {8141, 5, 8146, 3},  // boxhd
    {8149, 5, 8154, 3},  // boxhu
    {8157, 8, 8165, 3},  // boxminus
    {8168, 7, 8175, 3},  // boxplus
    {8178, 8, 8186, 3},  // boxtimes
    {8189, 5, 8194, 3},  // boxuL
    {8197, 5, 8202, 3},  // boxuR
    {8205, 5, 8210, 3},  // boxul
    {8213, 5, 8218, 3},  // boxur
    {8221, 4, 8225, 3},  // boxv
    {8228, 5, 8233, 3},  // boxvH
    {8236, 5, 8241, 3},  // boxvL
    {8244, 5, 8249, 3},  // boxvR
    {8252, 5, 8257, 3},  // boxvh
    {8260, 5, 8265, 3},  // boxvl
    {8268, 5, 8273, 3},  // boxvr
    {8276, 6, 8282, 3},  // bprime
    {8285, 5, 8290, 2},  // breve
    {8292, 6, 8298, 2},  // brvbar
    {8300, 4, 8304, 4},  // bscr
    {8308, 5, 8313, 3},  // bsemi
    {8316, 4, 8320, 3},  // bsim
    {8323, 5, 8328, 3},  // bsime
    {8331, 4, 8335, 1},  // bsol
    {8336, 5, 8341, 3},  // bsolb
    {8344, 8, 8352, 3},  // bsolhsub
    {8355, 4, 8359, 3},  // bull
    {8362, 6, 8368, 3},  // bullet
    {8371, 4, 8375, 3},  // bump
    {8378, 5, 8383, 3},  // bumpE
    {8386, 5, 8391, 3},  // bumpe
    {8394, 6, 8400, 3},  // bumpeq
    {8403, 6, 8409, 2},  // cacute
    {8411, 3, 8414, 3},  // cap
    {8417, 6, 8423, 3},  // capand
    {8426, 8, 8434, 3},  // capbrcup
    {8437, 6, 8443, 3},  // capcap
    {8446, 6, 8452, 3},  // capcup
    {8455, 6, 8461, 3},  // capdot
    {8464, 4, 8468, 6},  // caps
    {8474, 5, 8479, 3},  // caret
    {8482, 5, 8487, 2},  // caron
    {8489, 5, 8494, 3},  // ccaps
    {8497, 6, 8503, 2},  // ccaron
    {8505, 6, 8511, 2},  // ccedil
    {8513, 5, 8518, 2},  // ccirc
    {8520, 5, 8525, 3},  // ccups
    {8528, 7, 8535, 3},  // ccupssm
    {8538, 4, 8542, 2},  // cdot
    {8544, 5, 8549, 2},  // cedil
    {8551, 7, 8558, 3},  // cemptyv
    {8561, 4, 8565, 2},  // cent
    {8567, 9, 8576, 2},  // centerdot
    {8578, 3, 8581, 4},  // cfr
    {8585, 4, 8589, 2},  // chcy
    {8591, 5, 8596, 3},  // check
    {8599, 9, 8608, 3},  // checkmark
    {8611, 3, 8614, 2},  // chi
    {8616, 3, 8619, 3},  // cir
    {8622, 4, 8626, 3},  // cirE
    {8629, 4, 8633, 2},  // circ
    {8635, 6, 8641, 3},  // circeq
    {8644, 15, 8659, 3},  // circlearrowleft
    {8662, 16, 8678, 3},  // circlearrowright
    {8681, 8, 8689, 2},  // circledR
    {8691, 8, 8699, 3},  // circledS
    {8702, 10, 8712, 3},  // circledast
    {8715, 11, 8726, 3},  // circledcirc
    {8729, 11, 8740, 3},  // circleddash
    {8743, 4, 8747, 3},  // cire
    {8750, 8, 8758, 3},  // cirfnint
    {8761, 6, 8767, 3},  // cirmid
    {8770, 7, 8777, 3},  // cirscir
    {8780, 5, 8785, 3},  // clubs
    {8788, 8, 8796, 3},  // clubsuit
    {8799, 5, 8804, 1},  // colon
    {8805, 6, 8811, 3},  // colone
    {8814, 7, 8821, 3},  // coloneq
    {8824, 5, 8829, 1},  // comma
    {8830, 6, 8836, 1},  // commat
    {8837, 4, 8841, 3},  // comp
    {8844, 6, 8850, 3},  // compfn
    {8853, 10, 8863, 3},  // complement
    {8866, 9, 8875, 3},  // complexes
    {8878, 4, 8882, 3},  // cong
    {8885, 7, 8892, 3},  // congdot
    {8895, 6, 8901, 3},  // conint
    {8904, 4, 8908, 4},  // copf
    {8912, 6, 8918, 3},  // coprod
    {8921, 4, 8925, 2},  // copy
    {8927, 6, 8933, 3},  // copysr
    {8936, 5, 8941, 3},  // crarr
    {8944, 5, 8949, 3},  // cross
    {8952, 4, 8956, 4},  // cscr
    {8960, 4, 8964, 3},  // csub
    {8967, 5, 8972, 3},  // csube
    {8975, 4, 8979, 3},  // csup
    {8982, 5, 8987, 3},  // csupe
    {8990, 5, 8995, 3},  // ctdot
    {8998, 7, 9005, 3},  // cudarrl
    {9008, 7, 9015, 3},  // cudarrr
    {9018, 5, 9023, 3},  // cuepr
    {9026, 5, 9031, 3},  // cuesc
    {9034, 6, 9040, 3},  // cularr
    {9043, 7, 9050, 3},  // cularrp
    {9053, 3, 9056, 3},  // cup
    {9059, 8, 9067, 3},  // cupbrcap
    {9070, 6, 9076, 3},  // cupcap
    {9079, 6, 9085, 3},  // cupcup
    {9088, 6, 9094, 3},  // cupdot
    {9097, 5, 9102, 3},  // cupor
    {9105, 4, 9109, 6},  // cups
    {9115, 6, 9121, 3},  // curarr
    {9124, 7, 9131, 3},  // curarrm
    {9134, 11, 9145, 3},  // curlyeqprec
    {9148, 11, 9159, 3},  // curlyeqsucc
    {9162, 8, 9170, 3},  // curlyvee
    {9173, 10, 9183, 3},  // curlywedge
    {9186, 6, 9192, 2},  // curren
    {9194, 14, 9208, 3},  // curvearrowleft
    {9211, 15, 9226, 3},  // curvearrowright
    {9229, 5, 9234, 3},  // cuvee
    {9237, 5, 9242, 3},  // cuwed
    {9245, 8, 9253, 3},  // cwconint
    {9256, 5, 9261, 3},  // cwint
    {9264, 6, 9270, 3},  // cylcty
    {9273, 4, 9277, 3},  // dArr
    {9280, 4, 9284, 3},  // dHar
    {9287, 6, 9293, 3},  // dagger
    {9296, 6, 9302, 3},  // daleth
    {9305, 4, 9309, 3},  // darr
    {9312, 4, 9316, 3},  // dash
    {9319, 5, 9324, 3},  // dashv
    {9327, 7, 9334, 3},  // dbkarow
    {9337, 5, 9342, 2},  // dblac
    {9344, 6, 9350, 2},  // dcaron
    {9352, 3, 9355, 2},  // dcy
    {9357, 2, 9359, 3},  // dd
    {9362, 7, 9369, 3},  // ddagger
    {9372, 5, 9377, 3},  // ddarr
    {9380, 7, 9387, 3},  // ddotseq
    {9390, 3, 9393, 2},  // deg
    {9395, 5, 9400, 2},  // delta
    {9402, 7, 9409, 3},  // demptyv
    {9412, 6, 9418, 3},  // dfisht
    {9421, 3, 9424, 4},  // dfr
    {9428, 5, 9433, 3},  // dharl
    {9436, 5, 9441, 3},  // dharr
    {9444, 4, 9448, 3},  // diam
    {9451, 7, 9458, 3},  // diamond
    {9461, 11, 9472, 3},  // diamondsuit
    {9475, 5, 9480, 3},  // diams
    {9483, 3, 9486, 2},  // die
    {9488, 7, 9495, 2},  // digamma
    {9497, 5, 9502, 3},  // disin
    {9505, 3, 9508, 2},  // div
    {9510, 6, 9516, 2},  // divide
    {9518, 13, 9531, 3},  // divideontimes
    {9534, 6, 9540, 3},  // divonx
    {9543, 4, 9547, 2},  // djcy
    {9549, 6, 9555, 3},  // dlcorn
    {9558, 6, 9564, 3},  // dlcrop
    {9567, 6, 9573, 1},  // dollar
    {9574, 4, 9578, 4},  // dopf
    {9582, 3, 9585, 2},  // dot
    {9587, 5, 9592, 3},  // doteq
    {9595, 8, 9603, 3},  // doteqdot
    {9606, 8, 9614, 3},  // dotminus
    {9617, 7, 9624, 3},  // dotplus
    {9627, 9, 9636, 3},  // dotsquare
    {9639, 14, 9653, 3},  // doublebarwedge
    {9656, 9, 9665, 3},  // downarrow
    {9668, 14, 9682, 3},  // downdownarrows
    {9685, 15, 9700, 3},  // downharpoonleft
    {9703, 16, 9719, 3},  // downharpoonright
    {9722, 8, 9730, 3},  // drbkarow
    {9733, 6, 9739, 3},  // drcorn
    {9742, 6, 9748, 3},  // drcrop
    {9751, 4, 9755, 4},  // dscr
    {9759, 4, 9763, 2},  // dscy
    {9765, 4, 9769, 3},  // dsol
    {9772, 6, 9778, 2},  // dstrok
    {9780, 5, 9785, 3},  // dtdot
    {9788, 4, 9792, 3},  // dtri
    {9795, 5, 9800, 3},  // dtrif
    {9803, 5, 9808, 3},  // duarr
    {9811, 5, 9816, 3},  // duhar
    {9819, 7, 9826, 3},  // dwangle
    {9829, 4, 9833, 2},  // dzcy
    {9835, 8, 9843, 3},  // dzigrarr
    {9846, 5, 9851, 3},  // eDDot
    {9854, 4, 9858, 3},  // eDot
    {9861, 6, 9867, 2},  // eacute
    {9869, 6, 9875, 3},  // easter
    {9878, 6, 9884, 2},  // ecaron
    {9886, 4, 9890, 3},  // ecir
    {9893, 5, 9898, 2},  // ecirc
    {9900, 6, 9906, 3},  // ecolon
    {9909, 3, 9912, 2},  // ecy
    {9914, 4, 9918, 2},  // edot
    {9920, 2, 9922, 3},  // ee
    {9925, 5, 9930, 3},  // efDot
    {9933, 3, 9936, 4},  // efr
    {9940, 2, 9942, 3},  // eg
    {9945, 6, 9951, 2},  // egrave
    {9953, 3, 9956, 3},  // egs
    {9959, 6, 9965, 3},  // egsdot
    {9968, 2, 9970, 3},  // el
    {9973, 8, 9981, 3},  // elinters
    {9984, 3, 9987, 3},  // ell
    {9990, 3, 9993, 3},  // els
    {9996, 6, 10002, 3},  // elsdot
    {10005, 5, 10010, 2},  // emacr
    {10012, 5, 10017, 3},  // empty
    {10020, 8, 10028, 3},  // emptyset
    {10031, 6, 10037, 3},  // emptyv
    {10040, 4, 10044, 3},  // emsp
    {10047, 6, 10053, 3},  // emsp13
    {10056, 6, 10062, 3},  // emsp14
    {10065, 3, 10068, 2},  // eng
    {10070, 4, 10074, 3},  // ensp
    {10077, 5, 10082, 2},  // eogon
    {10084, 4, 10088, 4},  // eopf
    {10092, 4, 10096, 3},  // epar
    {10099, 6, 10105, 3},  // eparsl
    {10108, 5, 10113, 3},  // eplus
    {10116, 4, 10120, 2},  // epsi
    {10122, 7, 10129, 2},  // epsilon
    {10131, 5, 10136, 2},  // epsiv
    {10138, 6, 10144, 3},  // eqcirc
    {10147, 7, 10154, 3},  // eqcolon
    {10157, 5, 10162, 3},  // eqsim
    {10165, 10, 10175, 3},  // eqslantgtr
    {10178, 11, 10189, 3},  // eqslantless
    {10192, 6, 10198, 1},  // equals
    {10199, 6, 10205, 3},  // equest
    {10208, 5, 10213, 3},  // equiv
    {10216, 7, 10223, 3},  // equivDD
    {10226, 8, 10234, 3},  // eqvparsl
    {10237, 5, 10242, 3},  // erDot
    {10245, 5, 10250, 3},  // erarr
    {10253, 4, 10257, 3},  // escr
    {10260, 5, 10265, 3},  // esdot
    {10268, 4, 10272, 3},  // esim
    {10275, 3, 10278, 2},  // eta
    {10280, 3, 10283, 2},  // eth
    {10285, 4, 10289, 2},  // euml
    {10291, 4, 10295, 3},  // euro
    {10298, 4, 10302, 1},  // excl
    {10303, 5, 10308, 3},  // exist
    {10311, 11, 10322, 3},  // expectation
    {10325, 12, 10337, 3},  // exponentiale
    {10340, 13, 10353, 3},  // fallingdotseq
    {10356, 3, 10359, 2},  // fcy
    {10361, 6, 10367, 3},  // female
    {10370, 6, 10376, 3},  // ffilig
    {10379, 5, 10384, 3},  // fflig
    {10387, 6, 10393, 3},  // ffllig
    {10396, 3, 10399, 4},  // ffr
    {10403, 5, 10408, 3},  // filig
    {10411, 5, 10416, 2},  // fjlig
    {10418, 4, 10422, 3},  // flat
    {10425, 5, 10430, 3},  // fllig
    {10433, 5, 10438, 3},  // fltns
    {10441, 4, 10445, 2},  // fnof
    {10447, 4, 10451, 4},  // fopf
    {10455, 6, 10461, 3},  // forall
    {10464, 4, 10468, 3},  // fork
    {10471, 5, 10476, 3},  // forkv
    {10479, 8, 10487, 3},  // fpartint
    {10490, 6, 10496, 2},  // frac12
    {10498, 6, 10504, 3},  // frac13
    {10507, 6, 10513, 2},  // frac14
    {10515, 6, 10521, 3},  // frac15
    {10524, 6, 10530, 3},  // frac16
    {10533, 6, 10539, 3},  // frac18
    {10542, 6, 10548, 3},  // frac23
    {10551, 6, 10557, 3},  // frac25
    {10560, 6, 10566, 2},  // frac34
    {10568, 6, 10574, 3},  // frac35
    {10577, 6, 10583, 3},  // frac38
    {10586, 6, 10592, 3},  // frac45
    {10595, 6, 10601, 3},  // frac56
    {10604, 6, 10610, 3},  // frac58
    {10613, 6, 10619, 3},  // frac78
    {10622, 5, 10627, 3},  // frasl
    {10630, 5, 10635, 3},  // frown
    {10638, 4, 10642, 4},  // fscr
    {10646, 2, 10648, 3},  // gE
    {10651, 3, 10654, 3},  // gEl
    {10657, 6, 10663, 2},  // gacute
    {10665, 5, 10670, 2},  // gamma
    {10672, 6, 10678, 2},  // gammad
    {10680, 3, 10683, 3},  // gap
    {10686, 6, 10692, 2},  // gbreve
    {10694, 5, 10699, 2},  // gcirc
    {10701, 3, 10704, 2},  // gcy
    {10706, 4, 10710, 2},  // gdot
    {10712, 2, 10714, 3},  // ge
    {10717, 3, 10720, 3},  // gel
    {10723, 3, 10726, 3},  // geq
    {10729, 4, 10733, 3},  // geqq
    {10736, 8, 10744, 3},  // geqslant
    {10747, 3, 10750, 3},  // ges
    {10753, 5, 10758, 3},  // gescc
    {10761, 6, 10767, 3},  // gesdot
    {10770, 7, 10777, 3},  // gesdoto
    {10780, 8, 10788, 3},  // gesdotol
    {10791, 4, 10795, 6},  // gesl
    {10801, 6, 10807, 3},  // gesles
    {10810, 3, 10813, 4},  // gfr
    {10817, 2, 10819, 3},  // gg
    {10822, 3, 10825, 3},  // ggg
    {10828, 5, 10833, 3},  // gimel
    {10836, 4, 10840, 2},  // gjcy
    {10842, 2, 10844, 3},  // gl
    {10847, 3, 10850, 3},  // glE
    {10853, 3, 10856, 3},  // gla
    {10859, 3, 10862, 3},  // glj
    {10865, 3, 10868, 3},  // gnE
    {10871, 4, 10875, 3},  // gnap
    {10878, 8, 10886, 3},  // gnapprox
    {10889, 3, 10892, 3},  // gne
    {10895, 4, 10899, 3},  // gneq
    {10902, 5, 10907, 3},  // gneqq
    {10910, 5, 10915, 3},  // gnsim
    {10918, 4, 10922, 4},  // gopf
    {10926, 5, 10931, 1},  // grave
    {10932, 4, 10936, 3},  // gscr
    {10939, 4, 10943, 3},  // gsim
    {10946, 5, 10951, 3},  // gsime
    {10954, 5, 10959, 3},  // gsiml
    {10962, 2, 10964, 1},  // gt
    {10965, 4, 10969, 3},  // gtcc
    {10972, 5, 10977, 3},  // gtcir
    {10980, 5, 10985, 3},  // gtdot
    {10988, 6, 10994, 3},  // gtlPar
    {10997, 7, 11004, 3},  // gtquest
    {11007, 9, 11016, 3},  // gtrapprox
    {11019, 6, 11025, 3},  // gtrarr
    {11028, 6, 11034, 3},  // gtrdot
    {11037, 9, 11046, 3},  // gtreqless
    {11049, 10, 11059, 3},  // gtreqqless
    {11062, 7, 11069, 3},  // gtrless
    {11072, 6, 11078, 3},  // gtrsim
    {11081, 9, 11090, 6},  // gvertneqq
    {11096, 4, 11100, 6},  // gvnE
    {11106, 4, 11110, 3},  // hArr
    {11113, 6, 11119, 3},  // hairsp
    {11122, 4, 11126, 2},  // half
    {11128, 6, 11134, 3},  // hamilt
    {11137, 6, 11143, 2},  // hardcy
    {11145, 4, 11149, 3},  // harr
    {11152, 7, 11159, 3},  // harrcir
    {11162, 5, 11167, 3},  // harrw
    {11170, 4, 11174, 3},  // hbar
    {11177, 5, 11182, 2},  // hcirc
    {11184, 6, 11190, 3},  // hearts
    {11193, 9, 11202, 3},  // heartsuit
    {11205, 6, 11211, 3},  // hellip
    {11214, 6, 11220, 3},  // hercon
    {11223, 3, 11226, 4},  // hfr
    {11230, 8, 11238, 3},  // hksearow
    {11241, 8, 11249, 3},  // hkswarow
    {11252, 5, 11257, 3},  // hoarr
    {11260, 6, 11266, 3},  // homtht
    {11269, 13, 11282, 3},  // hookleftarrow
    {11285, 14, 11299, 3},  // hookrightarrow
    {11302, 4, 11306, 4},  // hopf
    {11310, 6, 11316, 3},  // horbar
    {11319, 4, 11323, 4},  // hscr
    {11327, 6, 11333, 3},  // hslash
    {11336, 6, 11342, 2},  // hstrok
    {11344, 6, 11350, 3},  // hybull
    {11353, 6, 11359, 3},  // hyphen
    {11362, 6, 11368, 2},  // iacute
    {11370, 2, 11372, 3},  // ic
    {11375, 5, 11380, 2},  // icirc
    {11382, 3, 11385, 2},  // icy
    {11387, 4, 11391, 2},  // iecy
    {11393, 5, 11398, 2},  // iexcl
    {11400, 3, 11403, 3},  // iff
    {11406, 3, 11409, 4},  // ifr
    {11413, 6, 11419, 2},  // igrave
    {11421, 2, 11423, 3},  // ii
    {11426, 6, 11432, 3},  // iiiint
    {11435, 5, 11440, 3},  // iiint
    {11443, 6, 11449, 3},  // iinfin
    {11452, 5, 11457, 3},  // iiota
    {11460, 5, 11465, 2},  // ijlig
    {11467, 5, 11472, 2},  // imacr
    {11474, 5, 11479, 3},  // image
    {11482, 8, 11490, 3},  // imagline
    {11493, 8, 11501, 3},  // imagpart
    {11504, 5, 11509, 2},  // imath
    {11511, 4, 11515, 3},  // imof
    {11518, 5, 11523, 2},  // imped
    {11525, 2, 11527, 3},  // in
    {11530, 6, 11536, 3},  // incare
    {11539, 5, 11544, 3},  // infin
    {11547, 8, 11555, 3},  // infintie
    {11558, 6, 11564, 2},  // inodot
    {11566, 3, 11569, 3},  // int
    {11572, 6, 11578, 3},  // intcal
    {11581, 8, 11589, 3},  // integers
    {11592, 8, 11600, 3},  // intercal
    {11603, 8, 11611, 3},  // intlarhk
    {11614, 7, 11621, 3},  // intprod
    {11624, 4, 11628, 2},  // iocy
    {11630, 5, 11635, 2},  // iogon
    {11637, 4, 11641, 4},  // iopf
    {11645, 4, 11649, 2},  // iota
    {11651, 5, 11656, 3},  // iprod
    {11659, 6, 11665, 2},  // iquest
    {11667, 4, 11671, 4},  // iscr
    {11675, 4, 11679, 3},  // isin
    {11682, 5, 11687, 3},  // isinE
    {11690, 7, 11697, 3},  // isindot
    {11700, 5, 11705, 3},  // isins
    {11708, 6, 11714, 3},  // isinsv
    {11717, 5, 11722, 3},  // isinv
    {11725, 2, 11727, 3},  // it
    {11730, 6, 11736, 2},  // itilde
    {11738, 5, 11743, 2},  // iukcy
    {11745, 4, 11749, 2},  // iuml
    {11751, 5, 11756, 2},  // jcirc
    {11758, 3, 11761, 2},  // jcy
    {11763, 3, 11766, 4},  // jfr
    {11770, 5, 11775, 2},  // jmath
    {11777, 4, 11781, 4},  // jopf
    {11785, 4, 11789, 4},  // jscr
    {11793, 6, 11799, 2},  // jsercy
    {11801, 5, 11806, 2},  // jukcy
    {11808, 5, 11813, 2},  // kappa
    {11815, 6, 11821, 2},  // kappav
    {11823, 6, 11829, 2},  // kcedil
    {11831, 3, 11834, 2},  // kcy
    {11836, 3, 11839, 4},  // kfr
    {11843, 6, 11849, 2},  // kgreen
    {11851, 4, 11855, 2},  // khcy
    {11857, 4, 11861, 2},  // kjcy
    {11863, 4, 11867, 4},  // kopf
    {11871, 4, 11875, 4},  // kscr
    {11879, 5, 11884, 3},  // lAarr
    {11887, 4, 11891, 3},  // lArr
    {11894, 6, 11900, 3},  // lAtail
    {11903, 5, 11908, 3},  // lBarr
    {11911, 2, 11913, 3},  // lE
    {11916, 3, 11919, 3},  // lEg
    {11922, 4, 11926, 3},  // lHar
    {11929, 6, 11935, 2},  // lacute
    {11937, 8, 11945, 3},  // laemptyv
    {11948, 6, 11954, 3},  // lagran
    {11957, 6, 11963, 2},  // lambda
    {11965, 4, 11969, 3},  // lang
    {11972, 5, 11977, 3},  // langd
    {11980, 6, 11986, 3},  // langle
    {11989, 3, 11992, 3},  // lap
    {11995, 5, 12000, 2},  // laquo
    {12002, 4, 12006, 3},  // larr
    {12009, 5, 12014, 3},  // larrb
    {12017, 7, 12024, 3},  // larrbfs
    {12027, 6, 12033, 3},  // larrfs
    {12036, 6, 12042, 3},  // larrhk
    {12045, 6, 12051, 3},  // larrlp
    {12054, 6, 12060, 3},  // larrpl
    {12063, 7, 12070, 3},  // larrsim
    {12073, 6, 12079, 3},  // larrtl
    {12082, 3, 12085, 3},  // lat
    {12088, 6, 12094, 3},  // latail
    {12097, 4, 12101, 3},  // late
    {12104, 5, 12109, 6},  // lates
    {12115, 5, 12120, 3},  // lbarr
    {12123, 5, 12128, 3},  // lbbrk
    {12131, 6, 12137, 1},  // lbrace
    {12138, 6, 12144, 1},  // lbrack
    {12145, 5, 12150, 3},  // lbrke
    {12153, 7, 12160, 3},  // lbrksld
    {12163, 7, 12170, 3},  // lbrkslu
    {12173, 6, 12179, 2},  // lcaron
    {12181, 6, 12187, 2},  // lcedil
    {12189, 5, 12194, 3},  // lceil
    {12197, 4, 12201, 1},  // lcub
    {12202, 3, 12205, 2},  // lcy
    {12207, 4, 12211, 3},  // ldca
    {12214, 5, 12219, 3},  // ldquo
    {12222, 6, 12228, 3},  // ldquor
    {12231, 7, 12238, 3},  // ldrdhar
    {12241, 8, 12249, 3},  // ldrushar
    {12252, 4, 12256, 3},  // ldsh
    {12259, 2, 12261, 3},  // le
    {12264, 9, 12273, 3},  // leftarrow
    {12276, 13, 12289, 3},  // leftarrowtail
    {12292, 15, 12307, 3},  // leftharpoondown
    {12310, 13, 12323, 3},  // leftharpoonup
    {12326, 14, 12340, 3},  // leftleftarrows
    {12343, 14, 12357, 3},  // leftrightarrow
    {12360, 15, 12375, 3},  // leftrightarrows
    {12378, 17, 12395, 3},  // leftrightharpoons
    {12398, 19, 12417, 3},  // leftrightsquigarrow
    {12420, 14, 12434, 3},  // leftthreetimes
    {12437, 3, 12440, 3},  // leg
    {12443, 3, 12446, 3},  // leq
    {12449, 4, 12453, 3},  // leqq
    {12456, 8, 12464, 3},  // leqslant
    {12467, 3, 12470, 3},  // les
    {12473, 5, 12478, 3},  // lescc
    {12481, 6, 12487, 3},  // lesdot
    {12490, 7, 12497, 3},  // lesdoto
    {12500, 8, 12508, 3},  // lesdotor
    {12511, 4, 12515, 6},  // lesg
    {12521, 6, 12527, 3},  // lesges
    {12530, 10, 12540, 3},  // lessapprox
    {12543, 7, 12550, 3},  // lessdot
    {12553, 9, 12562, 3},  // lesseqgtr
    {12565, 10, 12575, 3},  // lesseqqgtr
    {12578, 7, 12585, 3},  // lessgtr
    {12588, 7, 12595, 3},  // lesssim
    {12598, 6, 12604, 3},  // lfisht
    {12607, 6, 12613, 3},  // lfloor
    {12616, 3, 12619, 4},  // lfr
    {12623, 2, 12625, 3},  // lg
    {12628, 3, 12631, 3},  // lgE
    {12634, 5, 12639, 3},  // lhard
    {12642, 5, 12647, 3},  // lharu
    {12650, 6, 12656, 3},  // lharul
    {12659, 5, 12664, 3},  // lhblk
    {12667, 4, 12671, 2},  // ljcy
    {12673, 2, 12675, 3},  // ll
    {12678, 5, 12683, 3},  // llarr
    {12686, 8, 12694, 3},  // llcorner
    {12697, 6, 12703, 3},  // llhard
    {12706, 5, 12711, 3},  // lltri
    {12714, 6, 12720, 2},  // lmidot
    {12722, 6, 12728, 3},  // lmoust
    {12731, 10, 12741, 3},  // lmoustache
    {12744, 3, 12747, 3},  // lnE
    {12750, 4, 12754, 3},  // lnap
    {12757, 8, 12765, 3},  // lnapprox
    {12768, 3, 12771, 3},  // lne
    {12774, 4, 12778, 3},  // lneq
    {12781, 5, 12786, 3},  // lneqq
    {12789, 5, 12794, 3},  // lnsim
    {12797, 5, 12802, 3},  // loang
    {12805, 5, 12810, 3},  // loarr
    {12813, 5, 12818, 3},  // lobrk
    {12821, 13, 12834, 3},  // longleftarrow
    {12837, 18, 12855, 3},  // longleftrightarrow
    {12858, 10, 12868, 3},  // longmapsto
    {12871, 14, 12885, 3},  // longrightarrow
    {12888, 13, 12901, 3},  // looparrowleft
    {12904, 14, 12918, 3},  // looparrowright
    {12921, 5, 12926, 3},  // lopar
    {12929, 4, 12933, 4},  // lopf
    {12937, 6, 12943, 3},  // loplus
    {12946, 7, 12953, 3},  // lotimes
    {12956, 6, 12962, 3},  // lowast
    {12965, 6, 12971, 1},  // lowbar
    {12972, 3, 12975, 3},  // loz
    {12978, 7, 12985, 3},  // lozenge
    {12988, 4, 12992, 3},  // lozf
    {12995, 4, 12999, 1},  // lpar
    {13000, 6, 13006, 3},  // lparlt
    {13009, 5, 13014, 3},  // lrarr
    {13017, 8, 13025, 3},  // lrcorner
    {13028, 5, 13033, 3},  // lrhar
    {13036, 6, 13042, 3},  // lrhard
    {13045, 3, 13048, 3},  // lrm
    {13051, 5, 13056, 3},  // lrtri
    {13059, 6, 13065, 3},  // lsaquo
    {13068, 4, 13072, 4},  // lscr
    {13076, 3, 13079, 3},  // lsh
    {13082, 4, 13086, 3},  // lsim
    {13089, 5, 13094, 3},  // lsime
    {13097, 5, 13102, 3},  // lsimg
    {13105, 4, 13109, 1},  // lsqb
    {13110, 5, 13115, 3},  // lsquo
    {13118, 6, 13124, 3},  // lsquor
    {13127, 6, 13133, 2},  // lstrok
    {13135, 2, 13137, 1},  // lt
    {13138, 4, 13142, 3},  // ltcc
    {13145, 5, 13150, 3},  // ltcir
    {13153, 5, 13158, 3},  // ltdot
    {13161, 6, 13167, 3},  // lthree
    {13170, 6, 13176, 3},  // ltimes
    {13179, 6, 13185, 3},  // ltlarr
    {13188, 7, 13195, 3},  // ltquest
    {13198, 6, 13204, 3},  // ltrPar
    {13207, 4, 13211, 3},  // ltri
    {13214, 5, 13219, 3},  // ltrie
    {13222, 5, 13227, 3},  // ltrif
    {13230, 8, 13238, 3},  // lurdshar
    {13241, 7, 13248, 3},  // luruhar
    {13251, 9, 13260, 6},  // lvertneqq
    {13266, 4, 13270, 6},  // lvnE
    {13276, 5, 13281, 3},  // mDDot
    {13284, 4, 13288, 2},  // macr
    {13290, 4, 13294, 3},  // male
    {13297, 4, 13301, 3},  // malt
    {13304, 7, 13311, 3},  // maltese
    {13314, 3, 13317, 3},  // map
    {13320, 6, 13326, 3},  // mapsto
    {13329, 10, 13339, 3},  // mapstodown
    {13342, 10, 13352, 3},  // mapstoleft
    {13355, 8, 13363, 3},  // mapstoup
    {13366, 6, 13372, 3},  // marker
    {13375, 6, 13381, 3},  // mcomma
    {13384, 3, 13387, 2},  // mcy
    {13389, 5, 13394, 3},  // mdash
    {13397, 13, 13410, 3},  // measuredangle
    {13413, 3, 13416, 4},  // mfr
    {13420, 3, 13423, 3},  // mho
    {13426, 5, 13431, 2},  // micro
    {13433, 3, 13436, 3},  // mid
    {13439, 6, 13445, 1},  // midast
    {13446, 6, 13452, 3},  // midcir
    {13455, 6, 13461, 2},  // middot
    {13463, 5, 13468, 3},  // minus
    {13471, 6, 13477, 3},  // minusb
    {13480, 6, 13486, 3},  // minusd
    {13489, 7, 13496, 3},  // minusdu
    {13499, 4, 13503, 3},  // mlcp
    {13506, 4, 13510, 3},  // mldr
    {13513, 6, 13519, 3},  // mnplus
    {13522, 6, 13528, 3},  // models
    {13531, 4, 13535, 4},  // mopf
    {13539, 2, 13541, 3},  // mp
    {13544, 4, 13548, 4},  // mscr
    {13552, 6, 13558, 3},  // mstpos
    {13561, 2, 13563, 2},  // mu
    {13565, 8, 13573, 3},  // multimap
    {13576, 5, 13581, 3},  // mumap
    {13584, 3, 13587, 5},  // nGg
    {13592, 3, 13595, 6},  // nGt
    {13601, 4, 13605, 5},  // nGtv
    {13610, 10, 13620, 3},  // nLeftarrow
    {13623, 15, 13638, 3},  // nLeftrightarrow
    {13641, 3, 13644, 5},  // nLl
    {13649, 3, 13652, 6},  // nLt
    {13658, 4, 13662, 5},  // nLtv
    {13667, 11, 13678, 3},  // nRightarrow
    {13681, 6, 13687, 3},  // nVDash
    {13690, 6, 13696, 3},  // nVdash
    {13699, 5, 13704, 3},  // nabla
    {13707, 6, 13713, 2},  // nacute
    {13715, 4, 13719, 6},  // nang
    {13725, 3, 13728, 3},  // nap
    {13731, 4, 13735, 5},  // napE
    {13740, 5, 13745, 5},  // napid
    {13750, 5, 13755, 2},  // napos
    {13757, 7, 13764, 3},  // napprox
    {13767, 5, 13772, 3},  // natur
    {13775, 7, 13782, 3},  // natural
    {13785, 8, 13793, 3},  // naturals
    {13796, 4, 13800, 2},  // nbsp
    {13802, 5, 13807, 5},  // nbump
    {13812, 6, 13818, 5},  // nbumpe
    {13823, 4, 13827, 3},  // ncap
    {13830, 6, 13836, 2},  // ncaron
    {13838, 6, 13844, 2},  // ncedil
    {13846, 5, 13851, 3},  // ncong
    {13854, 8, 13862, 5},  // ncongdot
    {13867, 4, 13871, 3},  // ncup
    {13874, 3, 13877, 2},  // ncy
    {13879, 5, 13884, 3},  // ndash
    {13887, 2, 13889, 3},  // ne
    {13892, 5, 13897, 3},  // neArr
    {13900, 6, 13906, 3},  // nearhk
    {13909, 5, 13914, 3},  // nearr
    {13917, 7, 13924, 3},  // nearrow
    {13927, 5, 13932, 5},  // nedot
    {13937, 6, 13943, 3},  // nequiv
    {13946, 6, 13952, 3},  // nesear
    {13955, 5, 13960, 5},  // nesim
    {13965, 6, 13971, 3},  // nexist
    {13974, 7, 13981, 3},  // nexists
    {13984, 3, 13987, 4},  // nfr
    {13991, 3, 13994, 5},  // ngE
    {13999, 3, 14002, 3},  // nge
    {14005, 4, 14009, 3},  // ngeq
    {14012, 5, 14017, 5},  // ngeqq
    {14022, 9, 14031, 5},  // ngeqslant
    {14036, 4, 14040, 5},  // nges
    {14045, 5, 14050, 3},  // ngsim
    {14053, 3, 14056, 3},  // ngt
    {14059, 4, 14063, 3},  // ngtr
    {14066, 5, 14071, 3},  // nhArr
    {14074, 5, 14079, 3},  // nharr
    {14082, 5, 14087, 3},  // nhpar
    {14090, 2, 14092, 3},  // ni
    {14095, 3, 14098, 3},  // nis
    {14101, 4, 14105, 3},  // nisd
    {14108, 3, 14111, 3},  // niv
    {14114, 4, 14118, 2},  // njcy
    {14120, 5, 14125, 3},  // nlArr
    {14128, 3, 14131, 5},  // nlE
    {14136, 5, 14141, 3},  // nlarr
    {14144, 4, 14148, 3},  // nldr
    {14151, 3, 14154, 3},  // nle
    {14157, 10, 14167, 3},  // nleftarrow
    {14170, 15, 14185, 3},  // nleftrightarrow
    {14188, 4, 14192, 3},  // nleq
    {14195, 5, 14200, 5},  // nleqq
    {14205, 9, 14214, 5},  // nleqslant
    {14219, 4, 14223, 5},  // nles
    {14228, 5, 14233, 3},  // nless
    {14236, 5, 14241, 3},  // nlsim
    {14244, 3, 14247, 3},  // nlt
    {14250, 5, 14255, 3},  // nltri
    {14258, 6, 14264, 3},  // nltrie
    {14267, 4, 14271, 3},  // nmid
    {14274, 4, 14278, 4},  // nopf
    {14282, 3, 14285, 2},  // not
    {14287, 5, 14292, 3},  // notin
    {14295, 6, 14301, 5},  // notinE
    {14306, 8, 14314, 5},  // notindot
    {14319, 7, 14326, 3},  // notinva
    {14329, 7, 14336, 3},  // notinvb
    {14339, 7, 14346, 3},  // notinvc
    {14349, 5, 14354, 3},  // notni
    {14357, 7, 14364, 3},  // notniva
    {14367, 7, 14374, 3},  // notnivb
    {14377, 7, 14384, 3},  // notnivc
    {14387, 4, 14391, 3},  // npar
    {14394, 9, 14403, 3},  // nparallel
    {14406, 6, 14412, 6},  // nparsl
    {14418, 5, 14423, 5},  // npart
    {14428, 7, 14435, 3},  // npolint
    {14438, 3, 14441, 3},  // npr
    {14444, 6, 14450, 3},  // nprcue
    {14453, 4, 14457, 5},  // npre
    {14462, 5, 14467, 3},  // nprec
    {14470, 7, 14477, 5},  // npreceq
    {14482, 5, 14487, 3},  // nrArr
    {14490, 5, 14495, 3},  // nrarr
    {14498, 6, 14504, 5},  // nrarrc
    {14509, 6, 14515, 5},  // nrarrw
    {14520, 11, 14531, 3},  // nrightarrow
    {14534, 5, 14539, 3},  // nrtri
    {14542, 6, 14548, 3},  // nrtrie
    {14551, 3, 14554, 3},  // nsc
    {14557, 6, 14563, 3},  // nsccue
    {14566, 4, 14570, 5},  // nsce
    {14575, 4, 14579, 4},  // nscr
    {14583, 9, 14592, 3},  // nshortmid
    {14595, 14, 14609, 3},  // nshortparallel
    {14612, 4, 14616, 3},  // nsim
    {14619, 5, 14624, 3},  // nsime
    {14627, 6, 14633, 3},  // nsimeq
    {14636, 5, 14641, 3},  // nsmid
    {14644, 5, 14649, 3},  // nspar
    {14652, 7, 14659, 3},  // nsqsube
    {14662, 7, 14669, 3},  // nsqsupe
    {14672, 4, 14676, 3},  // nsub
    {14679, 5, 14684, 5},  // nsubE
    {14689, 5, 14694, 3},  // nsube
    {14697, 7, 14704, 6},  // nsubset
    {14710, 9, 14719, 3},  // nsubseteq
    {14722, 10, 14732, 5},  // nsubseteqq
    {14737, 5, 14742, 3},  // nsucc
    {14745, 7, 14752, 5},  // nsucceq
    {14757, 4, 14761, 3},  // nsup
    {14764, 5, 14769, 5},  // nsupE
    {14774, 5, 14779, 3},  // nsupe
    {14782, 7, 14789, 6},  // nsupset
    {14795, 9, 14804, 3},  // nsupseteq
    {14807, 10, 14817, 5},  // nsupseteqq
    {14822, 4, 14826, 3},  // ntgl
    {14829, 6, 14835, 2},  // ntilde
    {14837, 4, 14841, 3},  // ntlg
    {14844, 13, 14857, 3},  // ntriangleleft
    {14860, 15, 14875, 3},  // ntrianglelefteq
    {14878, 14, 14892, 3},  // ntriangleright
    {14895, 16, 14911, 3},  // ntrianglerighteq
    {14914, 2, 14916, 2},  // nu
    {14918, 3, 14921, 1},  // num
    {14922, 6, 14928, 3},  // numero
    {14931, 5, 14936, 3},  // numsp
    {14939, 6, 14945, 3},  // nvDash
    {14948, 6, 14954, 3},  // nvHarr
    {14957, 4, 14961, 6},  // nvap
    {14967, 6, 14973, 3},  // nvdash
    {14976, 4, 14980, 6},  // nvge
    {14986, 4, 14990, 4},  // nvgt
    {14994, 7, 15001, 3},  // nvinfin
    {15004, 6, 15010, 3},  // nvlArr
    {15013, 4, 15017, 6},  // nvle
    {15023, 4, 15027, 4},  // nvlt
    {15031, 7, 15038, 6},  // nvltrie
    {15044, 6, 15050, 3},  // nvrArr
    {15053, 7, 15060, 6},  // nvrtrie
    {15066, 5, 15071, 6},  // nvsim
    {15077, 5, 15082, 3},  // nwArr
    {15085, 6, 15091, 3},  // nwarhk
    {15094, 5, 15099, 3},  // nwarr
    {15102, 7, 15109, 3},  // nwarrow
    {15112, 6, 15118, 3},  // nwnear
    {15121, 2, 15123, 3},  // oS
    {15126, 6, 15132, 2},  // oacute
    {15134, 4, 15138, 3},  // oast
    {15141, 4, 15145, 3},  // ocir
    {15148, 5, 15153, 2},  // ocirc
    {15155, 3, 15158, 2},  // ocy
    {15160, 5, 15165, 3},  // odash
    {15168, 6, 15174, 2},  // odblac
    {15176, 4, 15180, 3},  // odiv
    {15183, 4, 15187, 3},  // odot
    {15190, 6, 15196, 3},  // odsold
    {15199, 5, 15204, 2},  // oelig
    {15206, 5, 15211, 3},  // ofcir
    {15214, 3, 15217, 4},  // ofr
    {15221, 4, 15225, 2},  // ogon
    {15227, 6, 15233, 2},  // ograve
    {15235, 3, 15238, 3},  // ogt
    {15241, 5, 15246, 3},  // ohbar
    {15249, 3, 15252, 2},  // ohm
    {15254, 4, 15258, 3},  // oint
    {15261, 5, 15266, 3},  // olarr
    {15269, 5, 15274, 3},  // olcir
    {15277, 7, 15284, 3},  // olcross
    {15287, 5, 15292, 3},  // oline
    {15295, 3, 15298, 3},  // olt
    {15301, 5, 15306, 2},  // omacr
    {15308, 5, 15313, 2},  // omega
    {15315, 7, 15322, 2},  // omicron
    {15324, 4, 15328, 3},  // omid
    {15331, 6, 15337, 3},  // ominus
    {15340, 4, 15344, 4},  // oopf
    {15348, 4, 15352, 3},  // opar
    {15355, 5, 15360, 3},  // operp
    {15363, 5, 15368, 3},  // oplus
    {15371, 2, 15373, 3},  // or
    {15376, 5, 15381, 3},  // orarr
    {15384, 3, 15387, 3},  // ord
    {15390, 5, 15395, 3},  // order
    {15398, 7, 15405, 3},  // orderof
    {15408, 4, 15412, 2},  // ordf
    {15414, 4, 15418, 2},  // ordm
    {15420, 6, 15426, 3},  // origof
    {15429, 4, 15433, 3},  // oror
    {15436, 7, 15443, 3},  // orslope
    {15446, 3, 15449, 3},  // orv
    {15452, 4, 15456, 3},  // oscr
    {15459, 6, 15465, 2},  // oslash
    {15467, 4, 15471, 3},  // osol
    {15474, 6, 15480, 2},  // otilde
    {15482, 6, 15488, 3},  // otimes
    {15491, 8, 15499, 3},  // otimesas
    {15502, 4, 15506, 2},  // ouml
    {15508, 5, 15513, 3},  // ovbar
    {15516, 3, 15519, 3},  // par
    {15522, 4, 15526, 2},  // para
    {15528, 8, 15536, 3},  // parallel
    {15539, 6, 15545, 3},  // parsim
    {15548, 5, 15553, 3},  // parsl
    {15556, 4, 15560, 3},  // part
    {15563, 3, 15566, 2},  // pcy
    {15568, 6, 15574, 1},  // percnt
    {15575, 6, 15581, 1},  // period
    {15582, 6, 15588, 3},  // permil
    {15591, 4, 15595, 3},  // perp
    {15598, 7, 15605, 3},  // pertenk
    {15608, 3, 15611, 4},  // pfr
    {15615, 3, 15618, 2},  // phi
    {15620, 4, 15624, 2},  // phiv
    {15626, 6, 15632, 3},  // phmmat
    {15635, 5, 15640, 3},  // phone
    {15643, 2, 15645, 2},  // pi
    {15647, 9, 15656, 3},  // pitchfork
    {15659, 3, 15662, 2},  // piv
    {15664, 6, 15670, 3},  // planck
    {15673, 7, 15680, 3},  // planckh
    {15683, 6, 15689, 3},  // plankv
    {15692, 4, 15696, 1},  // plus
    {15697, 8, 15705, 3},  // plusacir
    {15708, 5, 15713, 3},  // plusb
    {15716, 7, 15723, 3},  // pluscir
    {15726, 6, 15732, 3},  // plusdo
    {15735, 6, 15741, 3},  // plusdu
    {15744, 5, 15749, 3},  // pluse
    {15752, 6, 15758, 2},  // plusmn
    {15760, 7, 15767, 3},  // plussim
    {15770, 7, 15777, 3},  // plustwo
    {15780, 2, 15782, 2},  // pm
    {15784, 8, 15792, 3},  // pointint
    {15795, 4, 15799, 4},  // popf
    {15803, 5, 15808, 2},  // pound
    {15810, 2, 15812, 3},  // pr
    {15815, 3, 15818, 3},  // prE
    {15821, 4, 15825, 3},  // prap
    {15828, 5, 15833, 3},  // prcue
    {15836, 3, 15839, 3},  // pre
    {15842, 4, 15846, 3},  // prec
    {15849, 10, 15859, 3},  // precapprox
    {15862, 11, 15873, 3},  // preccurlyeq
    {15876, 6, 15882, 3},  // preceq
    {15885, 11, 15896, 3},  // precnapprox
    {15899, 8, 15907, 3},  // precneqq
    {15910, 8, 15918, 3},  // precnsim
    {15921, 7, 15928, 3},  // precsim
    {15931, 5, 15936, 3},  // prime
    {15939, 6, 15945, 3},  // primes
    {15948, 4, 15952, 3},  // prnE
    {15955, 5, 15960, 3},  // prnap
    {15963, 6, 15969, 3},  // prnsim
    {15972, 4, 15976, 3},  // prod
    {15979, 8, 15987, 3},  // profalar
    {15990, 8, 15998, 3},  // profline
    {16001, 8, 16009, 3},  // profsurf
    {16012, 4, 16016, 3},  // prop
    {16019, 6, 16025, 3},  // propto
    {16028, 5, 16033, 3},  // prsim
    {16036, 6, 16042, 3},  // prurel
    {16045, 4, 16049, 4},  // pscr
    {16053, 3, 16056, 2},  // psi
    {16058, 6, 16064, 3},  // puncsp
    {16067, 3, 16070, 4},  // qfr
    {16074, 4, 16078, 3},  // qint
    {16081, 4, 16085, 4},  // qopf
    {16089, 6, 16095, 3},  // qprime
    {16098, 4, 16102, 4},  // qscr
    {16106, 11, 16117, 3},  // quaternions
    {16120, 7, 16127, 3},  // quatint
    {16130, 5, 16135, 1},  // quest
    {16136, 7, 16143, 3},  // questeq
    {16146, 4, 16150, 1},  // quot
    {16151, 5, 16156, 3},  // rAarr
    {16159, 4, 16163, 3},  // rArr
    {16166, 6, 16172, 3},  // rAtail
    {16175, 5, 16180, 3},  // rBarr
    {16183, 4, 16187, 3},  // rHar
    {16190, 4, 16194, 5},  // race
    {16199, 6, 16205, 2},  // racute
    {16207, 5, 16212, 3},  // radic
    {16215, 8, 16223, 3},  // raemptyv
    {16226, 4, 16230, 3},  // rang
    {16233, 5, 16238, 3},  // rangd
    {16241, 5, 16246, 3},  // range
    {16249, 6, 16255, 3},  // rangle
    {16258, 5, 16263, 2},  // raquo
    {16265, 4, 16269, 3},  // rarr
    {16272, 6, 16278, 3},  // rarrap
    {16281, 5, 16286, 3},  // rarrb
    {16289, 7, 16296, 3},  // rarrbfs
    {16299, 5, 16304, 3},  // rarrc
    {16307, 6, 16313, 3},  // rarrfs
    {16316, 6, 16322, 3},  // rarrhk
    {16325, 6, 16331, 3},  // rarrlp
    {16334, 6, 16340, 3},  // rarrpl
    {16343, 7, 16350, 3},  // rarrsim
    {16353, 6, 16359, 3},  // rarrtl
    {16362, 5, 16367, 3},  // rarrw
    {16370, 6, 16376, 3},  // ratail
    {16379, 5, 16384, 3},  // ratio
    {16387, 9, 16396, 3},  // rationals
    {16399, 5, 16404, 3},  // rbarr
    {16407, 5, 16412, 3},  // rbbrk
    {16415, 6, 16421, 1},  // rbrace
    {16422, 6, 16428, 1},  // rbrack
    {16429, 5, 16434, 3},  // rbrke
    {16437, 7, 16444, 3},  // rbrksld
    {16447, 7, 16454, 3},  // rbrkslu
    {16457, 6, 16463, 2},  // rcaron
    {16465, 6, 16471, 2},  // rcedil
    {16473, 5, 16478, 3},  // rceil
    {16481, 4, 16485, 1},  // rcub
    {16486, 3, 16489, 2},  // rcy
    {16491, 4, 16495, 3},  // rdca
    {16498, 7, 16505, 3},  // rdldhar
    {16508, 5, 16513, 3},  // rdquo
    {16516, 6, 16522, 3},  // rdquor
    {16525, 4, 16529, 3},  // rdsh
    {16532, 4, 16536, 3},  // real
    {16539, 7, 16546, 3},  // realine
    {16549, 8, 16557, 3},  // realpart
    {16560, 5, 16565, 3},  // reals
    {16568, 4, 16572, 3},  // rect
    {16575, 3, 16578, 2},  // reg
    {16580, 6, 16586, 3},  // rfisht
    {16589, 6, 16595, 3},  // rfloor
    {16598, 3, 16601, 4},  // rfr
    {16605, 5, 16610, 3},  // rhard
    {16613, 5, 16618, 3},  // rharu
    {16621, 6, 16627, 3},  // rharul
    {16630, 3, 16633, 2},  // rho
    {16635, 4, 16639, 2},  // rhov
    {16641, 10, 16651, 3},  // rightarrow
    {16654, 14, 16668, 3},  // rightarrowtail
    {16671, 16, 16687, 3},  // rightharpoondown
    {16690, 14, 16704, 3},  // rightharpoonup
    {16707, 15, 16722, 3},  // rightleftarrows
    {16725, 17, 16742, 3},  // rightleftharpoons
    {16745, 16, 16761, 3},  // rightrightarrows
    {16764, 15, 16779, 3},  // rightsquigarrow
    {16782, 15, 16797, 3},  // rightthreetimes
    {16800, 4, 16804, 2},  // ring
    {16806, 12, 16818, 3},  // risingdotseq
    {16821, 5, 16826, 3},  // rlarr
    {16829, 5, 16834, 3},  // rlhar
    {16837, 3, 16840, 3},  // rlm
    {16843, 6, 16849, 3},  // rmoust
    {16852, 10, 16862, 3},  // rmoustache
    {16865, 5, 16870, 3},  // rnmid
    {16873, 5, 16878, 3},  // roang
    {16881, 5, 16886, 3},  // roarr
    {16889, 5, 16894, 3},  // robrk
    {16897, 5, 16902, 3},  // ropar
    {16905, 4, 16909, 4},  // ropf
    {16913, 6, 16919, 3},  // roplus
    {16922, 7, 16929, 3},  // rotimes
    {16932, 4, 16936, 1},  // rpar
    {16937, 6, 16943, 3},  // rpargt
    {16946, 8, 16954, 3},  // rppolint
    {16957, 5, 16962, 3},  // rrarr
    {16965, 6, 16971, 3},  // rsaquo
    {16974, 4, 16978, 4},  // rscr
    {16982, 3, 16985, 3},  // rsh
    {16988, 4, 16992, 1},  // rsqb
    {16993, 5, 16998, 3},  // rsquo
    {17001, 6, 17007, 3},  // rsquor
    {17010, 6, 17016, 3},  // rthree
    {17019, 6, 17025, 3},  // rtimes
    {17028, 4, 17032, 3},  // rtri
    {17035, 5, 17040, 3},  // rtrie
    {17043, 5, 17048, 3},  // rtrif
    {17051, 8, 17059, 3},  // rtriltri
    {17062, 7, 17069, 3},  // ruluhar
    {17072, 2, 17074, 3},  // rx
    {17077, 6, 17083, 2},  // sacute
    {17085, 5, 17090, 3},  // sbquo
    {17093, 2, 17095, 3},  // sc
    {17098, 3, 17101, 3},  // scE
    {17104, 4, 17108, 3},  // scap
    {17111, 6, 17117, 2},  // scaron
    {17119, 5, 17124, 3},  // sccue
    {17127, 3, 17130, 3},  // sce
    {17133, 6, 17139, 2},  // scedil
    {17141, 5, 17146, 2},  // scirc
    {17148, 4, 17152, 3},  // scnE
    {17155, 5, 17160, 3},  // scnap
    {17163, 6, 17169, 3},  // scnsim
    {17172, 8, 17180, 3},  // scpolint
    {17183, 5, 17188, 3},  // scsim
    {17191, 3, 17194, 2},  // scy
    {17196, 4, 17200, 3},  // sdot
    {17203, 5, 17208, 3},  // sdotb
    {17211, 5, 17216, 3},  // sdote
    {17219, 5, 17224, 3},  // seArr
    {17227, 6, 17233, 3},  // searhk
    {17236, 5, 17241, 3},  // searr
    {17244, 7, 17251, 3},  // searrow
    {17254, 4, 17258, 2},  // sect
    {17260, 4, 17264, 1},  // semi
    {17265, 6, 17271, 3},  // seswar
    {17274, 8, 17282, 3},  // setminus
    {17285, 5, 17290, 3},  // setmn
    {17293, 4, 17297, 3},  // sext
    {17300, 3, 17303, 4},  // sfr
    {17307, 6, 17313, 3},  // sfrown
    {17316, 5, 17321, 3},  // sharp
    {17324, 6, 17330, 2},  // shchcy
    {17332, 4, 17336, 2},  // shcy
    {17338, 8, 17346, 3},  // shortmid
    {17349, 13, 17362, 3},  // shortparallel
    {17365, 3, 17368, 2},  // shy
    {17370, 5, 17375, 2},  // sigma
    {17377, 6, 17383, 2},  // sigmaf
    {17385, 6, 17391, 2},  // sigmav
    {17393, 3, 17396, 3},  // sim
    {17399, 6, 17405, 3},  // simdot
    {17408, 4, 17412, 3},  // sime
    {17415, 5, 17420, 3},  // simeq
    {17423, 4, 17427, 3},  // simg
    {17430, 5, 17435, 3},  // simgE
    {17438, 4, 17442, 3},  // siml
    {17445, 5, 17450, 3},  // simlE
    {17453, 5, 17458, 3},  // simne
    {17461, 7, 17468, 3},  // simplus
    {17471, 7, 17478, 3},  // simrarr
    {17481, 5, 17486, 3},  // slarr
    {17489, 13, 17502, 3},  // smallsetminus
    {17505, 6, 17511, 3},  // smashp
    {17514, 8, 17522, 3},  // smeparsl
    {17525, 4, 17529, 3},  // smid
    {17532, 5, 17537, 3},  // smile
    {17540, 3, 17543, 3},  // smt
    {17546, 4, 17550, 3},  // smte
    {17553, 5, 17558, 6},  // smtes
    {17564, 6, 17570, 2},  // softcy
    {17572, 3, 17575, 1},  // sol
    {17576, 4, 17580, 3},  // solb
    {17583, 6, 17589, 3},  // solbar
    {17592, 4, 17596, 4},  // sopf
    {17600, 6, 17606, 3},  // spades
    {17609, 9, 17618, 3},  // spadesuit
    {17621, 4, 17625, 3},  // spar
    {17628, 5, 17633, 3},  // sqcap
    {17636, 6, 17642, 6},  // sqcaps
    {17648, 5, 17653, 3},  // sqcup
    {17656, 6, 17662, 6},  // sqcups
    {17668, 5, 17673, 3},  // sqsub
    {17676, 6, 17682, 3},  // sqsube
    {17685, 8, 17693, 3},  // sqsubset
    {17696, 10, 17706, 3},  // sqsubseteq
    {17709, 5, 17714, 3},  // sqsup
    {17717, 6, 17723, 3},  // sqsupe
    {17726, 8, 17734, 3},  // sqsupset
    {17737, 10, 17747, 3},  // sqsupseteq
    {17750, 3, 17753, 3},  // squ
    {17756, 6, 17762, 3},  // square
    {17765, 6, 17771, 3},  // squarf
    {17774, 4, 17778, 3},  // squf
    {17781, 5, 17786, 3},  // srarr
    {17789, 4, 17793, 4},  // sscr
    {17797, 6, 17803, 3},  // ssetmn
    {17806, 6, 17812, 3},  // ssmile
    {17815, 6, 17821, 3},  // sstarf
    {17824, 4, 17828, 3},  // star
    {17831, 5, 17836, 3},  // starf
    {17839, 15, 17854, 2},  // straightepsilon
    {17856, 11, 17867, 2},  // straightphi
    {17869, 5, 17874, 2},  // strns
    {17876, 3, 17879, 3},  // sub
    {17882, 4, 17886, 3},  // subE
    {17889, 6, 17895, 3},  // subdot
    {17898, 4, 17902, 3},  // sube
    {17905, 7, 17912, 3},  // subedot
    {17915, 7, 17922, 3},  // submult
    {17925, 5, 17930, 3},  // subnE
    {17933, 5, 17938, 3},  // subne
    {17941, 7, 17948, 3},  // subplus
    {17951, 7, 17958, 3},  // subrarr
    {17961, 6, 17967, 3},  // subset
    {17970, 8, 17978, 3},  // subseteq
    {17981, 9, 17990, 3},  // subseteqq
    {17993, 9, 18002, 3},  // subsetneq
    {18005, 10, 18015, 3},  // subsetneqq
    {18018, 6, 18024, 3},  // subsim
    {18027, 6, 18033, 3},  // subsub
    {18036, 6, 18042, 3},  // subsup
    {18045, 4, 18049, 3},  // succ
    {18052, 10, 18062, 3},  // succapprox
    {18065, 11, 18076, 3},  // succcurlyeq
    {18079, 6, 18085, 3},  // succeq
    {18088, 11, 18099, 3},  // succnapprox
    {18102, 8, 18110, 3},  // succneqq
    {18113, 8, 18121, 3},  // succnsim
    {18124, 7, 18131, 3},  // succsim
    {18134, 3, 18137, 3},  // sum
    {18140, 4, 18144, 3},  // sung
    {18147, 3, 18150, 3},  // sup
    {18153, 4, 18157, 2},  // sup1
    {18159, 4, 18163, 2},  // sup2
    {18165, 4, 18169, 2},  // sup3
    {18171, 4, 18175, 3},  // supE
    {18178, 6, 18184, 3},  // supdot
    {18187, 7, 18194, 3},  // supdsub
    {18197, 4, 18201, 3},  // supe
    {18204, 7, 18211, 3},  // supedot
    {18214, 7, 18221, 3},  // suphsol
    {18224, 7, 18231, 3},  // suphsub
    {18234, 7, 18241, 3},  // suplarr
    {18244, 7, 18251, 3},  // supmult
    {18254, 5, 18259, 3},  // supnE
    {18262, 5, 18267, 3},  // supne
    {18270, 7, 18277, 3},  // supplus
    {18280, 6, 18286, 3},  // supset
    {18289, 8, 18297, 3},  // supseteq
    {18300, 9, 18309, 3},  // supseteqq
    {18312, 9, 18321, 3},  // supsetneq
    {18324, 10, 18334, 3},  // supsetneqq
    {18337, 6, 18343, 3},  // supsim
    {18346, 6, 18352, 3},  // supsub
    {18355, 6, 18361, 3},  // supsup
    {18364, 5, 18369, 3},  // swArr
    {18372, 6, 18378, 3},  // swarhk
    {18381, 5, 18386, 3},  // swarr
    {18389, 7, 18396, 3},  // swarrow
    {18399, 6, 18405, 3},  // swnwar
    {18408, 5, 18413, 2},  // szlig
    {18415, 6, 18421, 3},  // target
    {18424, 3, 18427, 2},  // tau
    {18429, 4, 18433, 3},  // tbrk
    {18436, 6, 18442, 2},  // tcaron
    {18444, 6, 18450, 2},  // tcedil
    {18452, 3, 18455, 2},  // tcy
    {18457, 4, 18461, 3},  // tdot
    {18464, 6, 18470, 3},  // telrec
    {18473, 3, 18476, 4},  // tfr
    {18480, 6, 18486, 3},  // there4
    {18489, 9, 18498, 3},  // therefore
    {18501, 5, 18506, 2},  // theta
    {18508, 8, 18516, 2},  // thetasym
    {18518, 6, 18524, 2},  // thetav
    {18526, 11, 18537, 3},  // thickapprox
    {18540, 8, 18548, 3},  // thicksim
    {18551, 6, 18557, 3},  // thinsp
    {18560, 5, 18565, 3},  // thkap
    {18568, 6, 18574, 3},  // thksim
    {18577, 5, 18582, 2},  // thorn
    {18584, 5, 18589, 2},  // tilde
    {18591, 5, 18596, 2},  // times
    {18598, 6, 18604, 3},  // timesb
    {18607, 8, 18615, 3},  // timesbar
    {18618, 6, 18624, 3},  // timesd
    {18627, 4, 18631, 3},  // tint
    {18634, 4, 18638, 3},  // toea
    {18641, 3, 18644, 3},  // top
    {18647, 6, 18653, 3},  // topbot
    {18656, 6, 18662, 3},  // topcir
    {18665, 4, 18669, 4},  // topf
    {18673, 7, 18680, 3},  // topfork
    {18683, 4, 18687, 3},  // tosa
    {18690, 6, 18696, 3},  // tprime
    {18699, 5, 18704, 3},  // trade
    {18707, 8, 18715, 3},  // triangle
    {18718, 12, 18730, 3},  // triangledown
    {18733, 12, 18745, 3},  // triangleleft
    {18748, 14, 18762, 3},  // trianglelefteq
    {18765, 9, 18774, 3},  // triangleq
    {18777, 13, 18790, 3},  // triangleright
    {18793, 15, 18808, 3},  // trianglerighteq
    {18811, 6, 18817, 3},  // tridot
    {18820, 4, 18824, 3},  // trie
    {18827, 8, 18835, 3},  // triminus
    {18838, 7, 18845, 3},  // triplus
    {18848, 5, 18853, 3},  // trisb
    {18856, 7, 18863, 3},  // tritime
    {18866, 8, 18874, 3},  // trpezium
    {18877, 4, 18881, 4},  // tscr
    {18885, 4, 18889, 2},  // tscy
    {18891, 5, 18896, 2},  // tshcy
    {18898, 6, 18904, 2},  // tstrok
    {18906, 5, 18911, 3},  // twixt
    {18914, 16, 18930, 3},  // twoheadleftarrow
    {18933, 17, 18950, 3},  // twoheadrightarrow
    {18953, 4, 18957, 3},  // uArr
    {18960, 4, 18964, 3},  // uHar
    {18967, 6, 18973, 2},  // uacute
    {18975, 4, 18979, 3},  // uarr
    {18982, 5, 18987, 2},  // ubrcy
    {18989, 6, 18995, 2},  // ubreve
    {18997, 5, 19002, 2},  // ucirc
    {19004, 3, 19007, 2},  // ucy
    {19009, 5, 19014, 3},  // udarr
    {19017, 6, 19023, 2},  // udblac
    {19025, 5, 19030, 3},  // udhar
    {19033, 6, 19039, 3},  // ufisht
    {19042, 3, 19045, 4},  // ufr
    {19049, 6, 19055, 2},  // ugrave
    {19057, 5, 19062, 3},  // uharl
    {19065, 5, 19070, 3},  // uharr
    {19073, 5, 19078, 3},  // uhblk
    {19081, 6, 19087, 3},  // ulcorn
    {19090, 8, 19098, 3},  // ulcorner
    {19101, 6, 19107, 3},  // ulcrop
    {19110, 5, 19115, 3},  // ultri
    {19118, 5, 19123, 2},  // umacr
    {19125, 3, 19128, 2},  // uml
    {19130, 5, 19135, 2},  // uogon
    {19137, 4, 19141, 4},  // uopf
    {19145, 7, 19152, 3},  // uparrow
    {19155, 11, 19166, 3},  // updownarrow
    {19169, 13, 19182, 3},  // upharpoonleft
    {19185, 14, 19199, 3},  // upharpoonright
    {19202, 5, 19207, 3},  // uplus
    {19210, 4, 19214, 2},  // upsi
    {19216, 5, 19221, 2},  // upsih
    {19223, 7, 19230, 2},  // upsilon
    {19232, 10, 19242, 3},  // upuparrows
    {19245, 6, 19251, 3},  // urcorn
    {19254, 8, 19262, 3},  // urcorner
    {19265, 6, 19271, 3},  // urcrop
    {19274, 5, 19279, 2},  // uring
    {19281, 5, 19286, 3},  // urtri
    {19289, 4, 19293, 4},  // uscr
    {19297, 5, 19302, 3},  // utdot
    {19305, 6, 19311, 2},  // utilde
    {19313, 4, 19317, 3},  // utri
    {19320, 5, 19325, 3},  // utrif
    {19328, 5, 19333, 3},  // uuarr
    {19336, 4, 19340, 2},  // uuml
    {19342, 7, 19349, 3},  // uwangle
    {19352, 4, 19356, 3},  // vArr
    {19359, 4, 19363, 3},  // vBar
    {19366, 5, 19371, 3},  // vBarv
    {19374, 5, 19379, 3},  // vDash
    {19382, 6, 19388, 3},  // vangrt
    {19391, 10, 19401, 2},  // varepsilon
    {19403, 8, 19411, 2},  // varkappa
    {19413, 10, 19423, 3},  // varnothing
    {19426, 6, 19432, 2},  // varphi
    {19434, 5, 19439, 2},  // varpi
    {19441, 9, 19450, 3},  // varpropto
    {19453, 4, 19457, 3},  // varr
    {19460, 6, 19466, 2},  // varrho
    {19468, 8, 19476, 2},  // varsigma
    {19478, 12, 19490, 6},  // varsubsetneq
    {19496, 13, 19509, 6},  // varsubsetneqq
    {19515, 12, 19527, 6},  // varsupsetneq
    {19533, 13, 19546, 6},  // varsupsetneqq
    {19552, 8, 19560, 2},  // vartheta
    {19562, 15, 19577, 3},  // vartriangleleft
    {19580, 16, 19596, 3},  // vartriangleright
    {19599, 3, 19602, 2},  // vcy
    {19604, 5, 19609, 3},  // vdash
    {19612, 3, 19615, 3},  // vee
    {19618, 6, 19624, 3},  // veebar
    {19627, 5, 19632, 3},  // veeeq
    {19635, 6, 19641, 3},  // vellip
    {19644, 6, 19650, 1},  // verbar
    {19651, 4, 19655, 1},  // vert
    {19656, 3, 19659, 4},  // vfr
    {19663, 5, 19668, 3},  // vltri
    {19671, 5, 19676, 6},  // vnsub
    {19682, 5, 19687, 6},  // vnsup
    {19693, 4, 19697, 4},  // vopf
    {19701, 5, 19706, 3},  // vprop
    {19709, 5, 19714, 3},  // vrtri
    {19717, 4, 19721, 4},  // vscr
    {19725, 6, 19731, 6},  // vsubnE
    {19737, 6, 19743, 6},  // vsubne
    {19749, 6, 19755, 6},  // vsupnE
    {19761, 6, 19767, 6},  // vsupne
    {19773, 7, 19780, 3},  // vzigzag
    {19783, 5, 19788, 2},  // wcirc
    {19790, 6, 19796, 3},  // wedbar
    {19799, 5, 19804, 3},  // wedge
    {19807, 6, 19813, 3},  // wedgeq
    {19816, 6, 19822, 3},  // weierp
    {19825, 3, 19828, 4},  // wfr
    {19832, 4, 19836, 4},  // wopf
    {19840, 2, 19842, 3},  // wp
    {19845, 2, 19847, 3},  // wr
    {19850, 6, 19856, 3},  // wreath
    {19859, 4, 19863, 4},  // wscr
    {19867, 4, 19871, 3},  // xcap
    {19874, 5, 19879, 3},  // xcirc
    {19882, 4, 19886, 3},  // xcup
    {19889, 5, 19894, 3},  // xdtri
    {19897, 3, 19900, 4},  // xfr
    {19904, 5, 19909, 3},  // xhArr
    {19912, 5, 19917, 3},  // xharr
    {19920, 2, 19922, 2},  // xi
    {19924, 5, 19929, 3},  // xlArr
    {19932, 5, 19937, 3},  // xlarr
    {19940, 4, 19944, 3},  // xmap
    {19947, 4, 19951, 3},  // xnis
    {19954, 5, 19959, 3},  // xodot
    {19962, 4, 19966, 4},  // xopf
    {19970, 6, 19976, 3},  // xoplus
    {19979, 6, 19985, 3},  // xotime
    {19988, 5, 19993, 3},  // xrArr
    {19996, 5, 20001, 3},  // xrarr
    {20004, 4, 20008, 4},  // xscr
    {20012, 6, 20018, 3},  // xsqcup
    {20021, 6, 20027, 3},  // xuplus
    {20030, 5, 20035, 3},  // xutri
    {20038, 4, 20042, 3},  // xvee
    {20045, 6, 20051, 3},  // xwedge
    {20054, 6, 20060, 2},  // yacute
    {20062, 4, 20066, 2},  // yacy
    {20068, 5, 20073, 2},  // ycirc
    {20075, 3, 20078, 2},  // ycy
    {20080, 3, 20083, 2},  // yen
    {20085, 3, 20088, 4},  // yfr
    {20092, 4, 20096, 2},  // yicy
    {20098, 4, 20102, 4},  // yopf
    {20106, 4, 20110, 4},  // yscr
    {20114, 4, 20118, 2},  // yucy
    {20120, 4, 20124, 2},  // yuml
    {20126, 6, 20132, 2},  // zacute
    {20134, 6, 20140, 2},  // zcaron
    {20142, 3, 20145, 2},  // zcy
    {20147, 4, 20151, 2},  // zdot
    {20153, 6, 20159, 3},  // zeetrf
    {20162, 4, 20166, 2},  // zeta
    {20168, 3, 20171, 4},  // zfr
    {20175, 4, 20179, 2},  // zhcy
    {20181, 7, 20188, 3},  // zigrarr
    {20191, 4, 20195, 4},  // zopf
    {20199, 4, 20203, 4},  // zscr
    {20207, 3, 20210, 3},  // zwj
    {20213, 4, 20217, 3},  // zwnj
};
// clang-format on

}  // namespace lunvale::feeds::generated
