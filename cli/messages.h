#pragma once

// What the program says, in English, or in Japanese in a Japanese session, as the window speaks
// Japanese: every message and the help come from these phrases. A phrase's %1, %2, ... are its
// place markers, filled in one pass (a filled text's own "%1" stays as it is).

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora::cli {

struct Phrase {
  const char* english;
  const char* japanese;
};

// Whether the session speaks Japanese, by the locale names of its environment as a desktop
// program reads them: LC_ALL, else LC_MESSAGES, else LANG ("C" and "POSIX" speak English), unless
// the first language of LANGUAGE says otherwise; on Windows LANG, else the user's locale.
bool JapaneseSession();
// Whether a locale name ("ja_JP.UTF-8", "ja", "jpn_JP") names the Japanese language.
bool NamesJapanese(std::string_view localeName);

// The phrase in the session's language, its place markers filled with `values`.
std::string Say(const Phrase& phrase, std::initializer_list<std::string_view> values = {});

namespace phrase {

inline constexpr Phrase kSummary{
    "The geometry of a Cassegrain antenna from four inputs, as the velmora window computes it:\n"
    "every result, the profile table, the part files, and sweeps of many designs.",
    "4 つの入力からカセグレンアンテナの寸法を velmora のウィンドウと同じに計算します:\n"
    "すべての結果、プロファイル表、部品のファイル、多数の設計の一括計算。"};
inline constexpr Phrase kMainDiameter{"Main reflector diameter D, mm (%1).",
                                      "主反射鏡の直径 D、mm (%1)。"};
inline constexpr Phrase kMainFd{"Main reflector F/D (%1).", "主反射鏡の F/D (%1)。"};
inline constexpr Phrase kSubDiameter{"Sub-reflector diameter d, mm (%1).",
                                     "副反射鏡の直径 d、mm (%1)。"};
inline constexpr Phrase kFeedFd{"F/D the feed is designed for (%1).", "輻射器の F/D (%1)。"};
inline constexpr Phrase kStart{"First radius of the profile table, mm (%1).",
                               "プロファイル表の最初の半径、mm (%1)。"};
inline constexpr Phrase kStop{"Last radius of the profile table, mm (half the sub-reflector).",
                              "プロファイル表の最後の半径、mm (副反射鏡の半径)。"};
inline constexpr Phrase kStep{"Radius step of the profile table, mm (%1).",
                              "プロファイル表の半径の間隔、mm (%1)。"};
inline constexpr Phrase kJson{"Print the results as one JSON object.",
                              "結果を 1 つの JSON オブジェクトで出力します。"};
inline constexpr Phrase kTable{"Print the profile table.", "プロファイル表を出力します。"};
inline constexpr Phrase kPdf{"Write the design sheet and templates as a PDF.",
                             "設計書と型紙を PDF で書きます。"};
inline constexpr Phrase kDxf{"Write the sub-reflector's section as a DXF.",
                             "副反射鏡の断面を DXF で書きます。"};
inline constexpr Phrase kCsv{"Write the profile table as a CSV.",
                             "副反射鏡のプロファイルを CSV で書きます。"};
inline constexpr Phrase kStl{"Write the sub-reflector as an STL solid.",
                             "副反射鏡を STL で書きます。"};
inline constexpr Phrase kMainDxf{"Write the main reflector's section as a DXF.",
                                 "主反射鏡の断面を DXF で書きます。"};
inline constexpr Phrase kMainCsv{"Write the main reflector's profile as a CSV.",
                                 "主反射鏡のプロファイルを CSV で書きます。"};
inline constexpr Phrase kMainStl{"Write the main reflector as an STL shell.",
                                 "主反射鏡を STL で書きます。"};
inline constexpr Phrase kAssemblyDxf{"Write the assembly drawing as a DXF.",
                                     "組立図を DXF で書きます。"};
inline constexpr Phrase kStlThickness{"Thickness of the sub-reflector's solid, mm (%1).",
                                      "副反射鏡の STL の厚さ、mm (%1)。"};
inline constexpr Phrase kStlFacets{"Facets per turn of the sub-reflector's solid (%1).",
                                   "副反射鏡の STL の 1 周の分割数 (%1)。"};
inline constexpr Phrase kMainStlThickness{"Thickness of the main reflector's shell, mm (%1).",
                                          "主反射鏡の STL の厚さ、mm (%1)。"};
inline constexpr Phrase kMainStlFacets{"Facets per turn of the main reflector's shell (%1).",
                                       "主反射鏡の STL の 1 周の分割数 (%1)。"};
inline constexpr Phrase kMainCsvStep{"Radius step of the main reflector's CSV, mm (%1).",
                                     "主反射鏡の CSV の半径の間隔、mm (%1)。"};
inline constexpr Phrase kSweep{
    "Many designs: NAME (an input's option without dashes) from FROM to TO by STEP; given more "
    "than once, every combination. One CSV row a design.",
    "多数の設計: NAME (入力のオプション名、ダッシュなし) を FROM から TO まで STEP ずつ。"
    "複数はすべての組み合わせ。1 設計 1 行の CSV。"};
inline constexpr Phrase kFrequency{
    "Add the electrical figures at this frequency, GHz: gain, beamwidth, blockage, the surface "
    "accuracy the parts need, the feed's beamwidth; also on the PDF's sheet.",
    "この周波数 (GHz) での電気的な目安を加えます: 利得、ビーム幅、ブロッキング、"
    "部品に要る面精度、輻射器のビーム幅。PDF の設計書にも載せます。"};
inline constexpr Phrase kEfficiency{"Aperture efficiency η of the electrical figures (%1).",
                                    "電気的な目安の開口効率 η (%1)。"};
inline constexpr Phrase kBadElectrical{"--%1 \"%2\": %3", "--%1 「%2」: %3"};
inline constexpr Phrase kEfficiencyAlone{"--efficiency needs --frequency",
                                         "--efficiency には --frequency が必要です"};
inline constexpr Phrase kSmallSubReflector{"sub-reflector under 10 wavelengths",
                                           "副反射鏡が 10 波長未満"};
inline constexpr Phrase kDesigns{
    "Many designs from a CSV file, one a row, the inputs as columns (- reads standard input).",
    "CSV ファイルの設計を 1 行ずつ計算します。列は入力の名前 (- は標準入力)。"};
inline constexpr Phrase kFileNote{
    "A file name may hold {main-diameter} and the other inputs' names, which give each design of "
    "a sweep its own files.",
    "ファイル名に {main-diameter} "
    "などの入力の名前を書くと、一括計算の設計ごとにファイルを書きます。"};
inline constexpr Phrase kExitCodes{
    "Exit: 0 done, 1 the calculation stopped at a failing step, 2 a usage error, 3 a file could "
    "not be written.",
    "終了コード: 0 完了、1 計算がある段階で止まった、2 使い方の誤り、3 ファイルを書けなかった。"};

inline constexpr Phrase kNotANumber{"--%1: \"%2\" is not a number",
                                    "--%1: 「%2」は数ではありません"};
inline constexpr Phrase kNotACount{"--%1: \"%2\" is not a whole number",
                                   "--%1: 「%2」は整数ではありません"};
inline constexpr Phrase kUnexpected{"unexpected argument \"%1\"", "不要な引数「%1」があります"};
inline constexpr Phrase kBadSweep{"--sweep %1: give NAME=FROM:TO:STEP, NAME one of %2",
                                  "--sweep %1: NAME=FROM:TO:STEP の形で、NAME は %2 のどれかです"};
inline constexpr Phrase kSweepStep{
    "--sweep %1: STEP must not be 0 and must lead from FROM to TO",
    "--sweep %1: STEP は 0 でなく、FROM から TO へ向かう値にしてください"};
inline constexpr Phrase kTooManyDesigns{"the sweep makes %1 designs, more than %2",
                                        "一括計算の設計が %1 個で、上限の %2 個を超えます"};
inline constexpr Phrase kBothSweeps{"--sweep and --designs cannot be given together",
                                    "--sweep と --designs は同時に使えません"};
inline constexpr Phrase kTableInSweep{
    "--table shows one design; a sweep prints CSV rows",
    "--table は 1 つの設計用です。一括計算は CSV の行を出力します"};
inline constexpr Phrase kNeedsPattern{
    "--%1 %2: many designs need a name such as {sub-diameter} in the file name",
    "--%1 %2: 多数の設計ではファイル名に {sub-diameter} のような名前が必要です"};
inline constexpr Phrase kUnknownName{"--%1 %2: {%3} is no input's name",
                                     "--%1 %2: {%3} という入力はありません"};
inline constexpr Phrase kCannotRead{"cannot read %1: %2", "%1 を読めません: %2"};
inline constexpr Phrase kNoColumn{"%1: the column \"%2\" is no input's name",
                                  "%1: 列「%2」という入力はありません"};
inline constexpr Phrase kBadCell{"%1, row %2: %3 \"%4\" is not a number",
                                 "%1 の %2 行目: %3 の「%4」は数ではありません"};
inline constexpr Phrase kCannotWrite{"cannot write %1: %2", "%1 を書けません: %2"};
inline constexpr Phrase kCannotMake{"cannot make %1: %2", "%1 を作れません: %2"};
inline constexpr Phrase kNoSurface{"the design's surfaces cannot be drawn",
                                   "この設計の鏡面は描けません"};
inline constexpr Phrase kTooManyPoints{"a reflector's curve needs more than 200,000 steps",
                                       "鏡面の曲線に 200,000 点を超える点が要ります"};
inline constexpr Phrase kWriterRefuses{
    "the thickness and facets, or the step, cannot make this part (%1)",
    "この厚さと分割数、または間隔では作れません (%1)"};
inline constexpr Phrase kStoppedAt{"the calculation stopped at step %1, %2: %3",
                                   "計算は段階 %1「%2」で止まりました: %3"};
inline constexpr Phrase kStoppedAtTable{"the calculation stopped at the profile table: %1",
                                        "計算はプロファイル表で止まりました: %1"};
inline constexpr Phrase kArithmeticFails{
    "an operation divided by zero, was invalid (as 0 / 0) or overflowed",
    "0 による割り算、無効な演算 (0 / 0 など) または桁あふれがありました"};
inline constexpr Phrase kTableFails{
    "b^2 is 0, a radius of the range makes the root of a negative number, a row overflows, or "
    "the range makes more than 1,000,000 rows",
    "b^2 が 0、範囲の半径で負の数の平方根、行の桁あふれ、または範囲が 1,000,000 行を超えます"};
inline constexpr Phrase kNoDerived{
    "the design's derived figures are no numbers (e = c / a with a of 0, or e of 1)",
    "この設計の離心率などは数になりません (a が 0 または e が 1)"};
inline constexpr Phrase kProfileTable{"the profile table", "プロファイル表"};

// The help's frame and the parser's words, as Qt's command-line parser and its Japanese
// translation gave them, so the help and the usage errors read as they always have.
inline constexpr Phrase kUsage{"Usage: %1", "使い方: %1"};
inline constexpr Phrase kOptionsWord{"[options]", "[オプション]"};
inline constexpr Phrase kOptionsHeading{"Options:", "オプション:"};
inline constexpr Phrase kHelp{"Displays help on commandline options.",
                              "Displays help on commandline options."};
inline constexpr Phrase kHelpAll{"Displays help on commandline options, as --help does.",
                                 "--help と同じくヘルプを表示する。"};
inline constexpr Phrase kVersion{"Displays version information.", "バージョン情報を表示する。"};
inline constexpr Phrase kUnknownOption{"Unknown option '%1'.", "'%1' は未知のオプションです。"};
inline constexpr Phrase kUnknownOptions{"Unknown options: %1.", "未知のオプション: %1."};
inline constexpr Phrase kMissingValue{"Missing value after '%1'.", "'%1' の後の値が欠けています。"};
inline constexpr Phrase kUnexpectedValue{"Unexpected value after '%1'.",
                                         "'%1' の後が予期せぬ値です。"};

// Why a file cannot be read or written, in the words the window's file layer uses; any other
// reason is the system's own (strerror, in the session's language).
inline constexpr Phrase kNoFileName{"No file name specified", "No file name specified"};
inline constexpr Phrase kOpenDirectory{"file to open is a directory",
                                       "ディレクトリを開こうとしました"};
inline constexpr Phrase kSaveDirectory{"Filename refers to a directory",
                                       "ファイルではなくディレクトリを参照しています"};
inline constexpr Phrase kNotWritable{"Existing file %1 is not writable",
                                     "既存のファイル %1 は書き込み可能ではありません"};
inline constexpr Phrase kPermissionDenied{"Permission denied", "許可されていません"};
inline constexpr Phrase kTooManyOpenFiles{"Too many open files", "開かれたファイルが多すぎます"};
inline constexpr Phrase kNoSuchFile{"No such file or directory",
                                    "そのようなファイルやディレクトリはありません"};
inline constexpr Phrase kNoSpace{"No space left on device", "デバイスに空き容量がありません"};
inline constexpr Phrase kNoPdfMaker{"the PDF maker %1 cannot be loaded (%2)",
                                    "PDF を作るモジュール %1 を読み込めません (%2)"};

}  // namespace phrase
}  // namespace velmora::cli
