// The XML document format: the shared item encoding, the whole saved form of a new document
// (golden/Documents.txt), loading (missing items, document information, unknown and duplicate
// elements, partial loads), save -> load -> save giving the same bytes, numbers under a ","
// locale, element kinds kept as read, and the failures of reading and writing files. Every
// file written is also judged by xmllint.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <pugixml.hpp>

#include "core/Limits.h"
#include "core/Locale.h"
#include "document/ElementFactory.h"
#include "document/StyleXml.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "support/DocumentSamples.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"

namespace kalder {
namespace {

using namespace test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kCannotLoad = "Can not load the XML file : ";

// A node and its subtree as compact markup, for comparing trees.
std::string raw(pugi::xml_node node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

pugi::xml_document parse(const std::string& text) {
    pugi::xml_document dom;
    pugi::xml_parse_result res = dom.load_buffer(text.data(), text.size(), kXmlParseOptions, pugi::encoding_utf8);
    EXPECT_TRUE(res) << res.description();
    return dom;
}

// A saved document from golden/Documents.txt: one record a line there, none in the saved string.
std::string savedDocument(const std::string& name) {
    std::string text = golden(KALDER_TEST_DATA "/golden/Documents.txt", name);
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    const std::string date = "TODAY";
    const auto at = text.find(date);
    return at == std::string::npos ? text : text.replace(at, date.size(), shortDateToday());
}

struct WriteRow {
    const char* name;
    Variant value;
    const char* text;  // the item as markup, "." as mark; empty: raises 999
    const char* description = "";
};

TEST(ItemWrite, WritesTheValueAsTextByItsTypeAndRaises999ForAnotherType) {
    forEachRow<WriteRow>(
        {{"Integer", Variant(std::int16_t{-7}), "<N>-7</N>"}, {"Long", Variant(2147483647), "<N>2147483647</N>"},
         {"Single", Variant(10.5f), "<N>10.5</N>"}, {"Double", Variant(0.25), "<N>0.25</N>"},
         {"DoubleLarge", Variant(1e20), "<N>1E+20</N>"}, {"BooleanTrue", Variant(true), "<N>True</N>"},
         {"BooleanFalse", Variant(false), "<N>False</N>"}, {"EmptyString", Variant(""), "<N></N>"},
         {"String", Variant("a<b & c>d"), "<N>a&lt;b &amp; c&gt;d</N>"},
         {"Empty", Variant(), "", "Item not saved : "}, {"Missing", Variant::missing(), "", "Item not saved : "},
         {"Date", Variant::date(36925), "", "Item not saved : 2001-02-03"},
         {"Array", Variant(Variant::Array{Variant(1)}), "", "Item not saved : "},
         {"Object", Variant(std::make_shared<Object>()), "", "Item not saved : "}},
        [&](const WriteRow& r) {
            std::string out;
            StringItemWriter w(out);
            auto error = errorOf([&] { w.item("N", r.value); });
            if (*r.description) EXPECT_THAT(error, IsError(999, "SaveItemXML", r.description));
            EXPECT_EQ(out, withMark(r.text));
        });
}

struct ReadRow { const char* name; const char* item; Variant::Type type; Variant expected; };

TEST(ItemRead, ConvertsTheTextToTheRequestedTypeAndRaises998ForAnother) {
    const pugi::xml_document dom = parse(
        withMark("<R><I> 12 </I><L>-70000</L><F> 1.5 </F><S>  two  words </S><T1>True</T1><T2>TRUE</T2><T3> true </T3>"
                 "<T4>tRuE</T4><N1>yes</N1><N2>1</N2><N3>-1</N3><N4></N4></R>"));
    const ItemReader in(dom.document_element());
    using T = Variant::Type;
    const Variant no(false);
    forEachRow<ReadRow>(
        {{"Integer", "I", T::Integer, Variant(std::int16_t{12})}, {"Long", "L", T::Long, Variant(-70000)},
         {"Single", "F", T::Single, Variant(1.5f)}, {"Double", "F", T::Double, Variant(1.5)},
         {"StringUntrimmed", "S", T::String, Variant("  two  words ")}, {"True", "T1", T::Boolean, Variant(true)},
         {"TrueUpper", "T2", T::Boolean, Variant(true)}, {"TrueBlanks", "T3", T::Boolean, Variant(true)},
         {"TrueMixed", "T4", T::Boolean, Variant(true)}, {"Yes", "N1", T::Boolean, no},
         {"One", "N2", T::Boolean, no}, {"MinusOne", "N3", T::Boolean, no}, {"EmptyBoolean", "N4", T::Boolean, no},
         {"EmptyLong", "N4", T::Long, Variant(0)}, {"MissingInteger", "X", T::Integer, Variant(std::int16_t{0})},
         {"MissingLong", "X", T::Long, Variant(0)}, {"MissingSingle", "X", T::Single, Variant(0.0f)},
         {"MissingDouble", "X", T::Double, Variant(0.0)}, {"MissingString", "X", T::String, Variant("")},
         {"MissingBoolean", "X", T::Boolean, no}},
        [&](const ReadRow& r) { EXPECT_EQ(in.item(r.item, r.type), r.expected); });
    for (T type : {T::Date, T::Empty, T::Missing, T::Object, T::Array})
        EXPECT_THAT(errorOf([&] { in.item("I", type); }), IsError(998, "LoadItemXML", "Item not loaded : I"))
            << static_cast<int>(type);
}

TEST(SavedNewDocument, IsTheGoldenText) { EXPECT_EQ(Preview().SaveXMLString(), savedDocument("NewDocument")); }

std::string withElementType(const std::string& typeAttribute) {
    return "<Document><Pages><Page Key=\"P\"><Frames><Frame Key=\"F\"><Elements><Element Key=\"E\"" + typeAttribute +
           "/></Elements></Frame></Frames></Page></Pages></Document>";
}

// Every item missing: the saved form shows each loaded as zero, empty or False.
TEST(LoadXml, MissingItemsGiveZeroEmptyOrFalse) {
    Preview pv;
    pv.LoadXML(withElementType(" Type=\"15\""));
    EXPECT_EQ(pv.SaveXMLString(), savedDocument("MissingItems"));
    EXPECT_EQ(pageText(*pv.document().pages().Item("P")), "P: size 0 11907 x 16840 no 0/0 margins 0 0 0 0 bands 0 0 "
                                                          "inside 0 0 11907 16840\n  F 0 (0, 0) 0 x 0 [E]");
    // With no current page, reading it creates one, numbered after the loaded page.
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.TotalPages(), 2);
}

TEST(LoadXml, CreationDateAnswersTheLoadingDayAndTheLoadedItemsFollowUnlessItIsToday) {
    using Item = std::pair<std::string, std::string>;
    Preview pv;
    pv.LoadXML(
        "<Document><Pages/><DocInfo><DocInfoItem><Name>CreationDate</Name><Value>01.01.2001</Value></DocInfoItem>"
        "<DocInfoItem><Name>Author</Name><Value>Ann</Value></DocInfoItem></DocInfo></Document>");
    EXPECT_EQ(pv.DocInfoGet("CreationDate"), shortDateToday());
    EXPECT_THAT(pv.document().DocInfo, ElementsAre(Item("CreationDate", shortDateToday()),
                                                   Item("CreationDate", "01.01.2001"), Item("Author", "Ann")));
    Preview source;
    source.DocInfoSet("Author", "Ann"); pv.LoadXML(source.SaveXMLString());
    EXPECT_THAT(pv.document().DocInfo, ElementsAre(Item("CreationDate", shortDateToday()), Item("Author", "Ann")));
}

struct BadLoadRow { const char* name; std::string xml; std::string description; };

// A load that fails reports -98 with the failure that stopped it.
std::string page(const std::string& items) {
    return "<Document><Pages><Page Key=\"P\">" + items + "</Page></Pages></Document>";
}
std::string element(const std::string& items, const char* type) {
    return page("<Frames><Frame Key=\"F\"><Elements><Element Key=\"E\" Type=\"" + std::string(type) + "\">" + items +
                "</Element></Elements></Frame></Frames>");
}
// A document nesting `depth` levels in all, most of them in an element of a kind kept unread.
std::string nested(int depth) {
    std::string open, close;
    for (int i = 7; i < depth; ++i) open += "<x>", close = "</x>" + close;
    return element(open + close, "6");
}

TEST(LoadXml, AFailureRaisesMinus98WithTheFailureThatStoppedIt) {
    const std::string duplicate = kDuplicateKeyText;
    const std::string inE = "element \"E\" in frame \"F\" on page \"P\"";
    forEachRow<BadLoadRow>(
        {{"Type16", withElementType(" Type=\"16\""), "Unknown element: " + inE + " at line 1, column 66"},
         {"TypeNotANumber", withElementType(" Type=\"line\""),
          "Type mismatch: attribute Type (\"line\") of " + inE + " at line 1, column 66"},
         {"TypeMissing", withElementType(""), "Type mismatch: attribute Type (\"\") of " + inE + " at line 1, column 66"},
         {"DuplicatePage", "<Document><Pages><Page Key=\"P\"/><Page Key=\"p\"/></Pages></Document>",
          duplicate + ": page \"p\" at line 1, column 34"},
         {"DuplicateElement",
          "<Document><Pages><Page Key=\"P\"><Frames><Frame Key=\"F\"><Elements><Element Key=\"E\" Type=\"15\"/>"
          "<Element Key=\"e\" Type=\"15\"/></Elements></Frame></Frames></Page></Pages></Document>",
          duplicate + ": element \"e\" in frame \"F\" on page \"P\" at line 1, column 94"},
         {"DuplicateNamedStyle", "<Document><NamedStyles><Style Key=\"A\"/><Style Key=\"a\"/></NamedStyles></Document>",
          duplicate + ": style \"a\" at line 1, column 41"},
         {"NumberThatIsNone", "<Document><Pages><Page Key=\"P\"><PageSize>A4</PageSize></Page></Pages></Document>",
          "Type mismatch: item PageSize (\"A4\") of page \"P\" at line 1, column 33"},
         {"OtherRoot", "<Report><Pages/></Report>", "Not a Kalder document: the root element is <Report>"},
         {"DoesNotParse", "<Document>\n<Pages>\n</Document>", "Start-end tags mismatch at line 3, column 3"},
         // Characters no document can hold, named where they stand.
         {"NullReference", "<Document>\n <CurrentPage>a&#0;b</CurrentPage></Document>",
          "the character reference &#0; names no character a document can hold at line 2, column 16"},
         {"SurrogateReference", "<Document><CurrentPage>&#xD800;</CurrentPage></Document>",
          "the character reference &#xD800; names no character a document can hold at line 1, column 24"},
         {"ReferenceBeyondUnicode", "<Document><CurrentPage>&#1114112;</CurrentPage></Document>",
          "the character reference &#1114112; names no character a document can hold at line 1, column 24"},
         {"NotUtf8", "<Document><CurrentPage>\xE9t\xE9</CurrentPage></Document>",
          "the byte 0xE9 is not UTF-8 at line 1, column 24"},
         {"OverlongUtf8", "<Document><Pages><Page Key=\"\xC0\xAF\"/></Pages></Document>",
          "the byte 0xC0 is not UTF-8 at line 1, column 29"},
         // Limits, at the bound and one past it.
         {"NestedTooDeep", nested(limits::kXmlDepth + 1), "<x> is nested deeper than 100 levels at line 1, column 371"},
         {"PageWiderThanTheLargestPage", page("<PageWidth>288001</PageWidth>"),
          "Overflow: item PageWidth (\"288001\") beyond 288000 of page \"P\" at line 1, column 33"},
         {"PositionBeyondALong", element("<yPos>-2147483649</yPos>", "3"),
          "Overflow: item yPos (\"-2147483649\") of " + inE + " at line 1, column 92"},
         {"FontSizeBeyondTheLargest", page("<Style Key=\"S\"><FontSize>32761</FontSize></Style>"),
          "Overflow: item FontSize (\"32761\") beyond 32760 of style \"S\" on page \"P\" at line 1, column 48"}},
        [&](const BadLoadRow& r) {
            Preview pv;
            EXPECT_THAT(errorOf([&] { pv.LoadXML(r.xml); }), IsError(-98, "Kalder", kCannotLoad + r.description));
        });
    // At each limit the document loads.
    for (const std::string& xml : {nested(limits::kXmlDepth), page("<PageWidth>288000</PageWidth>"),
                                   element("<yPos>-2147483648</yPos>", "3"), page("<Style Key=\"S\"><FontSize>32760</FontSize></Style>")}) {
        Preview pv;
        EXPECT_EQ(errorOf([&] { pv.LoadXML(xml); }), std::nullopt) << xml;
    }
    Preview pv;
    pugi::xml_document empty;
    EXPECT_THAT(errorOf([&] { pv.LoadXML(empty); }), IsError(-98, "Kalder", kCannotLoad + "No document element"));
}

TEST(LoadXml, Type16StopsTheLoadAndKeepsWhatWasLoadedBefore) {
    ScratchDir dir;
    const std::string file = dir.file("type16.xml");  // well-formed, but an unknown element
    writeFile(file, "<?xml version=\"1.0\"?>\n<Document><Style Key=\"Heading5\"><FontName>Verdana</FontName></Style>"
        "<NamedStyles><Style Key=\"Only\"/></NamedStyles><Pages>"
        "<Page Key=\"A\"><Frames><Frame Key=\"F1\"><xPos>1</xPos></Frame><Frame Key=\"f1\"><xPos>2</xPos></Frame>"
        "</Frames></Page>"
        "<Page Key=\"B\"><Frames><Frame Key=\"G1\"><Elements><Element Key=\"x\" Type=\"15\"/></Elements></Frame>"
        "<Frame Key=\"G2\"><Elements><Element Key=\"y\" Type=\"15\"/><Element Key=\"z\" Type=\"16\"/>"
        "<Element Key=\"w\" Type=\"15\"/></Elements></Frame><Frame Key=\"G3\"/></Frames></Page>"
        "<Page Key=\"C\"/></Pages>"
        "<DocInfo><DocInfoItem><Name>Author</Name><Value>Ann</Value></DocInfoItem></DocInfo>"
        "<CurrentX>5</CurrentX><CurrentPage>A</CurrentPage><CurrentFrame>F1</CurrentFrame></Document>");
    ASSERT_TRUE(PassesXmllint(file));
    Preview pv;
    EXPECT_THAT(errorOf([&] { pv.LoadXMLFromFile(file); }), IsError(-98, "Kalder", kCannotLoad + file + ": Unknown element: element \"z\" in frame \"G2\" on page \"B\" at line 2, column 386"));
    // A frame key already on the page is skipped. The current page and frame are those being
    // loaded; the items after the pages are not read.
    EXPECT_EQ(pv.SaveXMLString(), savedDocument("StoppedAtType16"));
}

// A load that does not parse leaves the document as it was; one that parses but fails leaves
// what it loaded, which for another root is a new document without pages.
TEST(Files, LoadFailuresRaiseMinus98AndLeaveTheDocumentAsItWasIfNothingParsed) {
    ScratchDir dir;
    Preview pv;
    pv.AddPage(); pv.DocInfoSet("Author", "Ann");
    const cDocument* before = &pv.document();
    const std::string absent = dir.file("absent.xml"), broken = dir.file("broken.xml");
    EXPECT_THAT(errorOf([&] { pv.LoadXMLFromFile(absent); }),
                IsError(-98, "Kalder", kCannotLoad + absent + ": File was not found"));
    writeFile(broken, "<?xml version=\"1.0\"?>\n<Document>\n  <Pages>\n</Document>\n");
    ASSERT_FALSE(PassesXmllint(broken));  // broken for a parser nobody here wrote too
    EXPECT_THAT(errorOf([&] { pv.LoadXMLFromFile(broken); }),
                IsError(-98, "Kalder", kCannotLoad + broken + ": Start-end tags mismatch at line 4, column 3"));
    EXPECT_TRUE(errorOf([&] { pv.LoadXML("<Document>\n<Pages>\n</Document>"); }));
    EXPECT_THAT(errorOf([&] { pv.LoadXMLFromFile(""); }), IsError(-69, "Kalder", "The filename is missing"));
    EXPECT_THAT(errorOf([&] { pv.SaveXML(""); }), IsError(-69, "Kalder", "The filename is missing"));
    EXPECT_EQ(&pv.document(), before);
    EXPECT_EQ(pv.DocInfoGet("Author") + " " + std::to_string(pv.TotalPages()), "Ann 2");
    EXPECT_TRUE(errorOf([&] { pv.LoadXML("<Report/>"); }));
    EXPECT_EQ(pv.GetAllStyles() + " " + std::to_string(pv.TotalPages()),
              "Normal/Heading1/Heading2/Heading3/Heading4/Heading5 0");
}

// Text holding control characters or bytes that are not UTF-8 is saved with U+FFFD in their
// place, so that every XML reader takes the file; tab, line feed and other text stay.
TEST(Files, SavedFilesHoldOnlyCharactersXmlAllows) {
    ScratchDir dir;
    Preview pv;
    pv.AddPage(); pv.AddTextAt(std::string("a\x01\x1F\tb\xFF\r\n\xC3\xA9"), 0, 100, prALLeft, prASNone);
    const std::string file = dir.file("controls.xml");
    pv.SaveXML(file);
    EXPECT_TRUE(PassesXmllint(file));
    for (const std::string& saved : {readFile(file), pv.SaveXMLString()}) {
        EXPECT_NE(saved.find("a\uFFFD\uFFFD\tb\uFFFD"), std::string::npos);
        EXPECT_NE(saved.find("\n\u00E9</Text>"), std::string::npos);
        Preview back;
        back.LoadXML(saved);
    }
}

TEST(Files, SaveReplacesAFileAndAFailedSaveLeavesWhatWasThere) {
    ScratchDir dir;
    const std::string file = dir.file("doc.xml"), missing = dir.file("missing/doc.xml");
    const std::string old = "<?xml version=\"1.0\"?>\n<Document/>\n";
    writeFile(file, old);
    ASSERT_TRUE(PassesXmllint(file));
    Preview pv;
    EXPECT_THAT(errorOf([&] { pv.SaveXML(missing); }),
                IsError(75, "SaveXML", "Path/File access error : " + missing + ": " + std::strerror(ENOENT)));
    for (int i = 0; i < 10; ++i) pv.AddPage();  // far beyond the size allowed below
    // The file-size limit makes the write fail with EFBIG part way through.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 2048;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    auto error = errorOf([&] { pv.SaveXML(file); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_THAT(error, IsError(75, "SaveXML", "Path/File access error : " + file + ": " + std::strerror(EFBIG)));
    EXPECT_EQ(readFile(file), old);
    EXPECT_THAT(dir.entries(), ElementsAre("doc.xml"));

    pv.SaveXML(file);
    EXPECT_TRUE(PassesXmllint(file));
    EXPECT_THAT(readFile(file), HasSubstr("<CurrentPage>Page 11</CurrentPage>"));
    EXPECT_THAT(dir.entries(), ElementsAre("doc.xml"));
}

// The running style of every frame with elements, saved: loading rebuilds it from the changes.
std::string runningStyles(Preview& pv) {
    std::string text;
    StringItemWriter out(text);
    for (const auto& p : pv.document().pages())
        for (const auto& f : p->Frames())
            if (f->Elements().Count() > 0) saveStyle(out, f->CurrentStyle);
    return text;
}

// Save -> load -> save gives the same bytes, through a file and through a string, in the run's
// locale and under a "," one; the running style rebuilt from the recorded changes, which the
// bytes do not hold, is compared too.
TEST(RoundTrip, SaveLoadSaveGivesTheSameFileTheSameStringAndTheSameDocumentWhateverTheMark) {
    for (const char* locale : {"", kCommaLocale}) {
        SCOPED_TRACE(locale);
        std::optional<ScopedLocale> numeric;
        if (*locale) numeric.emplace(locale);
        ASSERT_TRUE(!numeric || (numeric->ok() && decimalMark() == ','));
        ScratchDir dir;
        Preview pv;
        buildRichDocument(pv);
        const std::string first = dir.file("first.xml"), second = dir.file("second.xml");
        pv.SaveXML(first);
        ASSERT_TRUE(PassesXmllint(first));
        EXPECT_THAT(readFile(first), StartsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        for (const char* item : {"<FontSize>206.6</FontSize>", "<LeadingVal>2.75</LeadingVal>", "<FontSize>210<"})
            EXPECT_THAT(readFile(first), HasSubstr(withMark(item)));
        Preview loaded;
        loaded.LoadXMLFromFile(first);
        loaded.SaveXML(second);
        EXPECT_TRUE(PassesXmllint(second));
        EXPECT_EQ(readFile(second), readFile(first));
        EXPECT_EQ(state(loaded), golden(KALDER_TEST_DATA "/golden/PageStates.txt", "RichDocument"));
        EXPECT_EQ(state(pv), state(loaded));
        // Numbers are written with 15 significant digits, so 1/3 comes back rounded to them.
        EXPECT_EQ(runningStyles(loaded), runningStyles(pv));
        const std::string text = pv.SaveXMLString();
        writeFile(dir.file("text.xml"), text);
        ASSERT_TRUE(PassesXmllint(dir.file("text.xml")));
        // The string form carries what the file form does.
        EXPECT_EQ(raw(parse(readFile(first)).document_element()), raw(parse(text).document_element()));
        Preview fromString;
        fromString.LoadXML(text);
        EXPECT_EQ(fromString.SaveXMLString(), text);
    }
}

// Element kinds that have no class here keep their XML as it was read, through a document load,
// a template copy and a file: items of every shape (numbers, markup characters, an empty item,
// blanks only, nested elements with attributes).
TEST(ElementKinds, WithoutAClassKeepTheirXmlThroughALoadATemplateCopyAndAFile) {
    const std::string items =
        "<xPos>10</xPos><Text>&lt;b&gt;Fish &amp; \"chips\"&lt;/b&gt;</Text><FilNam></FilNam>"
        "<PixData>89504E470D0A1A0A</PixData><Blank>   </Blank>"
        "<Form Name=\"frmMain\" Caption=\"A &amp; B\"><Control Type=\"Label\" Left=\"120\">Caption text</Control>"
        "<Control Type=\"TextBox\"/><Group><Depth>2</Depth></Group></Form>";
    // One element of each kind that has no class; the drawn form (6) is one, whatever others gain.
    ASSERT_FALSE(ElementFactory::instance().has(ekWindowsForm));
    std::string elements;
    for (std::int32_t kind = 1; kind <= 14; ++kind)
        if (!ElementFactory::instance().has(kind))
            elements += "<Element Key=\"El " + std::to_string(kind) + "\" Type=\"" + std::to_string(kind) + "\">" +
                        items + "</Element>";
    elements = "<Elements>" + elements + "<Element Key=\"Empty\" Type=\"6\"/></Elements>";
    Preview pv;
    pv.LoadXML("<Document><Pages><Page Key=\"Page 1\"><Frames><Frame Key=\"inside\"><FrameType>1</FrameType></Frame>"
               "<Frame Key=\"Box\">" + elements + "</Frame></Frames></Page></Pages></Document>");
    pv.CurrentPage("Page 1");
    ASSERT_EQ(pv.AddPageTemplate(), "Page 2");
    ScratchDir dir;
    pv.SaveXML(dir.file("kinds.xml"));
    ASSERT_TRUE(PassesXmllint(dir.file("kinds.xml")));
    const pugi::xml_document out = parse(readFile(dir.file("kinds.xml")));
    for (const char* page : {"Page 1", "Page 2"})
        EXPECT_EQ(raw(out.document_element().child("Pages").find_child_by_attribute("Page", "Key", page)
                          .child("Frames").find_child_by_attribute("Frame", "Key", "Box").child("Elements")),
                  raw(parse(elements).document_element())) << page;
}

}  // namespace
}  // namespace kalder
