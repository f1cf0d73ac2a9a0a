// The search script page of a search engine: the record data as one script array per field, the query
// reader, the search over the arrays, and the page's own search box after the script.
#include <cstdlib>

#include "platform/gfx/colour_names.h"
#include "platform/text/numbers.h"
#include "program/program.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"
#include "publish/page_frame.h"
#include "publish/publish_helpers.h"
#include "publish/publish_setup_form.h"
#include "publish/search_pages.h"
#include "publish/script_escape.h"
#include "publish/search_setup_form.h"

namespace fv {

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::string Lang(const Program& p, const char* key) { return ScriptText(p.LangForm->Real(key)->Text()); }

// A text as the value of a double-quoted attribute inside a script string.
std::string Attr(const std::string& text) { return ScriptText(EscapeForAttribute(text)); }

}  // namespace

SearchFieldSets WorkOutSearchFieldSets(const Program& p) {
    SearchFieldSets sets;
    const std::string& list = p.SearchSetup->SearchViewFields->Text();
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        const std::string item = list.substr(start, std::min<std::size_t>(comma - start, 3));
        const int n = std::atoi(item.c_str());
        sets.ViewItems.push_back(n);
        if (n >= 1 && n <= FieldCount) sets.View[std::size_t(n - 1)] = true;
        start = comma + 1;
    }
    for (int n = 1; n <= FieldCount; ++n) {
        if (sets.View[std::size_t(n - 1)]) ++sets.ViewColumns;
        if (p.Main->FieldSearched(n)) {
            sets.Searched[std::size_t(n - 1)] = true;
            ++sets.SearchedCount;
        }
    }
    return sets;
}

SearchCellAlignment WorkOutSearchCellAlignment(const Program& p) {
    const std::string& h = p.PublishSetupForm->QUICKHAlign->Text();
    const std::string& v = p.PublishSetupForm->QUICKVAlign->Text();
    SearchCellAlignment a;
    a.ScriptH = h == "none" ? std::string(" ") : " ALIGN=\\\"" + Attr(h) + "\\\"";
    a.ScriptV = v == "none" ? std::string(" ") : " VALIGN=\\\"" + Attr(v) + "\\\"";
    a.PlainH = HorizontalAttribute(h);
    a.PlainV = VerticalAttribute(v);
    return a;
}

std::string SearchEntryValue(const std::string& fieldText) {
    std::string value = ScriptText(fieldText);
    if (value == "(null)") value.clear();
    const bool file = StartsWith(value, "file:");
    if (StartsWith(value, "mailto:") || file || StartsWith(value, "ftp") || StartsWith(value, "www") ||
        StartsWith(value, "http"))
        return "<A HREF=" + LinkTarget(file ? std::string_view(value).substr(5) : std::string_view(value)) + ">" +
               LinkDisplayText(value) + "</A>";
    return value;
}

bool BuildSearchScriptPage(std::string& page, Program& p, const SearchScriptInput& in,
                           const std::vector<SearchEntry>& entries, const std::function<bool(int)>& step) {
    const SearchFieldSets& fields = in.Fields;
    const TSearchSetup& search = *p.SearchSetup;
    const bool intranet = search.IntraNetSearches->Checked();

    page = CommentLine(in.When);
    page += SearchCharsetLine;
    page += "<script LANGUAGE=\"JavaScript\">\r\n\r\n";
    page += "var f= new Array ();\r\n";
    page += "var infa=\"" + Attr(p.InstructionFont.Face) + "\";\r\n";
    page += "var insi=\"" + Attr(p.InstructionFont.Size) + "\";\r\n";
    page += "var inco=\"" + Attr(ColourToHTML(p.InstructionFont.Colour)) + "\";\r\n";
    for (int n = 1; n <= FieldCount; ++n) {
        const std::string c = "c" + std::to_string(n);
        if (fields.View[std::size_t(n - 1)]) {
            const PublishFont& font = p.FieldFonts[std::size_t(n - 1)];
            page += "\r\nvar " + c + "fa=\"" + Attr(font.Face) + "\";\r\n";
            page += "var " + c + "si=\"" + Attr(font.Size) + "\";\r\n";
            page += "var " + c + "co=\"" + Attr(ColourToHTML(font.Colour)) + "\";\r\n";
        }
        if (fields.HasArray(n)) page += "var " + c + "= new Array ();\r\n";
    }
    page += "\r\n";

    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (!step(int(k))) return false;
        const SearchEntry& e = entries[k];
        const DatabaseRecord& record = p.RecordTable[std::size_t(e.Record)];
        const std::string index = std::to_string(k);
        std::string line = "f[" + index + "]=\"" + std::to_string(e.Category) + "_" + std::to_string(e.Position) + "\"; ";
        for (int n = 1; n <= FieldCount; ++n)
            if (fields.HasArray(n))
                line += "c" + std::to_string(n) + "[" + index + "]=\"" + SearchEntryValue(record.Field[std::size_t(n - 1)]) +
                        "\";";
        page += line + "\r\n";
    }

    page += "\r\nfunction getParams()\r\n{\r\n"
            "  var params = new Array();\r\n"
            "  var url = document.URL;\r\n"
            "  var q = url.indexOf(\"?\");\r\n"
            "  if (q != -1) {\r\n"
            "    var pairs = url.substring(q+1).split(\"&\");\r\n"
            "    for (var i=0;i<pairs.length;i++) {\r\n"
            "      var nameVal = pairs[i].split(\"=\");\r\n"
            "      params[nameVal[0]] = (nameVal.length>1 ? nameVal[1] : \"\").replace(/\\+/g,\" \");\r\n"
            "    }\r\n"
            "  } else {\r\n"
            "    params[\"srchname\"] = \"unknown\";\r\n";
    if (!intranet) page += "\talert(\"" + Lang(p, "SrchFirst") + "\");\r\n";
    page += "  }\r\n  return params;\r\n}\r\n";
    // The search form page is UTF-8, so the browser sends the typed text as UTF-8 in %-escapes; an address
    // typed by hand that is no valid UTF-8 is read byte by byte instead.
    page += "function decodeParam(text)\r\n{\r\n"
            "  if (text == null) return \"\";\r\n"
            "  try { return decodeURIComponent(text); } catch (e) { return unescape(text); }\r\n"
            "}\r\n";
    page += "params = getParams();\r\n\r\n";

    page += ContainedHTMLScript;
    page += "function AttrText(s)\r\n{\r\n"
            "  return String(s).replace(/&/g,\"&amp;\").replace(/\\x22/g,\"&quot;\").replace(/\\x3C/g,\"&lt;\")"
            ".replace(/\\x3E/g,\"&gt;\");\r\n"
            "}\r\n\r\n";
    AppendResultPageFunctions(page, p, fields, in.Alignment, in.ScriptButtonSize);

    page += "function ManageEntries (vector)\r\n{\r\n"
            "  if (vector.length==0)\r\n"
            "     alert (\"" + Lang(p, "SrchNoMatch") + "\");\r\n"
            "    WriteHeaderOfPage();\r\n"
            "    window.status=\"" + Lang(p, "SrchPreparing") + "\";\r\n"
            "    ShowEntries(vector);\r\n"
            "    WriteTrailer();\r\n"
            "  window.status=\"" + Lang(p, "SrchComplete") + "\";\r\n"
            "}\r\n\r\n";

    // The result limit by the leading-integer rule: 0 (or an empty text) sets no limit.
    const std::string max = std::to_string(LeadingInteger(search.MaxSearchResults->Text()));
    const std::string limitAlert = "alert(\"" + Lang(p, "SrchFirst100") + "\");";
    std::string firstArray = "f";  // with no searched field the loop runs over the entries and finds nothing
    for (int n = FieldCount; n >= 1; --n)
        if (fields.Searched[std::size_t(n - 1)]) firstArray = "c" + std::to_string(n);
    page += "function SearchArray (init_strng)\r\n{\r\n"
            "  var i=0; var j=0; var r=0;\r\n"
            "  var and_search=0;\r\n"
            "  var stop_search=0;\r\n"
            "  var array2= new Array();\r\n"
            "  var flags= new Array();\r\n"
            "  var pairs = init_strng.split(\" and \");\r\n"
            "  if (pairs.length>1) and_search=1;\r\n"
            "  else pairs = init_strng.split(\" or \");\r\n"
            "  while (i<(" + firstArray + ".length)) {\r\n"
            "    if (and_search==1) for (var l=0;l<pairs.length;l++) flags[l]=0;\r\n"
            "\tfor (var z=0;z<" + std::to_string(fields.SearchedCount) + ";z++) {\r\n"
            "\t  if (z==0) {\r\n"
            "\t\t  if (r++==200) window.status=\" \";\r\n"
            "\t\t  else if (r==250) { window.status=\"" + Lang(p, "SrchSearching") + "\"; r=0; }\r\n"
            "\t  }\r\n";
    int z = 0;
    for (int n = 1; n <= FieldCount; ++n)
        if (fields.Searched[std::size_t(n - 1)])
            page += "\t\tif (z==" + std::to_string(z++) + ") var cArray=c" + std::to_string(n) + "[i];\r\n";
    page += "\t     nStr=new String (cArray);\r\n"
            "\t  for (var l=0;l<pairs.length;l++) {\r\n"
            "\t \t    idx=nStr.toLowerCase().indexOf(pairs[l]);\r\n"
            "\t    if (idx!=-1) {\r\n"
            "\t      flags[l]=1;\r\n"
            "\t      if (and_search==0) {\r\n"
            "\t        array2[j]=i;\tj++;\r\n"
            "\t        if (j==" + max + ") { " + limitAlert + " stop_search=2; break; }\r\n"
            "\t        stop_search=1; break;\r\n"
            "\t      }\r\n"
            "\t    }\r\n"
            "\t  }\r\n"
            "\t  if (stop_search>0) break;\r\n"
            "\t}\r\n"
            "    if (stop_search==2) break;\r\n"
            "    if (stop_search==1) { stop_search=0; i++; continue; }\r\n"
            "    if (and_search==1) {\r\n"
            "      var all=1;\r\n"
            "      for (var l=0;l<pairs.length;l++) if (flags[l]!=1) all=0;\r\n"
            "      if (all==1) {\r\n"
            "        array2[j]=i; j++;\r\n"
            "        if (j==" + max + ") { " + limitAlert + " break; }\r\n"
            "      }\r\n"
            "    }\r\n"
            "    i++;\r\n"
            "  }\r\n"
            "  return array2;\r\n"
            "}\r\n\r\n";

    // A search hands its query to the result frame in the address it loads there: this page with the query
    // and the mark frame=main. The result frame searches its own copy of the data and writes its own
    // document, so that no frame reads or writes another frame's document (which browsers refuse for
    // pages opened from disk, each file being an origin of its own).
    page += "function Search (val)\r\n{\r\n"
            "  window.status=\"" + Lang(p, "SrchSearching") + "\";\r\n"
            "  if (val==\"\")\r\n"
            "    alert (\"" + Lang(p, "SrchNoData") + "\");\r\n"
            "  else\r\n"
            "    ShowInResultFrame (val);\r\n"
            "}\r\n\r\n";
    page += "function ShowInResultFrame (val)\r\n{\r\n"
            "  var q;\r\n"
            "  try { q=encodeURIComponent(val); } catch (e) { q=escape(val); }\r\n"
            "  var url=document.URL.split(\"#\")[0].split(\"?\")[0]+\"?srchname=\"+q+\"&frame=main\";\r\n"
            "  var target=null;\r\n"
            "  try { if (parent!=window) target=parent.frames[\"main\"]; } catch (e) { target=null; }\r\n"
            "  if (target) target.location.href=url;\r\n"
            "  else window.open(url, \"main\");\r\n"
            "}\r\n\r\n";
    page += "function ShowFound ()\r\n{\r\n"
            "  var val=decodeParam(params[\"srchname\"]);\r\n"
            "  if (val==\"\") {\r\n"
            "    document.documentElement.style.visibility=\"visible\";\r\n"
            "    alert (\"" + Lang(p, "SrchNoData") + "\");\r\n"
            "    return;\r\n"
            "  }\r\n"
            "  valor=SearchArray(val.toLowerCase());\r\n"
            "  document.open();\r\n"
            "  ManageEntries (valor);\r\n"
            "  document.close();\r\n"
            "}\r\n\r\n";
    page += "function FirstSearch()\r\n{\r\n"
            "\tsrchname = decodeParam(params[\"srchname\"]);\r\n"
            "\tSearch (srchname);\r\n"
            "\r\n}\r\n";
    // In the result frame the page's own search box stays hidden until the result page replaces it.
    page += "if (params[\"frame\"]==\"main\") {\r\n"
            "  document.documentElement.style.visibility=\"hidden\";\r\n"
            "  window.addEventListener(\"load\", ShowFound, false);\r\n"
            "} else {\r\n";
    page += intranet ? "//FirstSearch();\r\n" : "FirstSearch();\r\n";
    page += "}\r\n\r\n</script>\r\n";

    // The page's own search box, which searches without loading anything.
    const THTMLForm& html = *p.HTMLForm;
    page += "<HTML>\r\n<HEAD>\r\n<TITLE>Folivex</TITLE>\r\n</HEAD>\r\n";
    page += html.HTMLSearchBoxHeaderOverride->Checked() ? html.HTMLSearchBoxHeader->Text() : SearchBodyTag(p);
    AppendTableOpening(page, p, search.SearchViewPageTableWidth->Text(), false, false);
    page += "<TR><TD>\r\n<form><br>\r\n&nbsp;&nbsp;&nbsp;<input type=text size=20 name=srchname value=\"\">\r\n";
    page += "&nbsp;&nbsp;&nbsp;<input type=button value=\"" + EscapeForAttribute(p.LangForm->Real("SrchGo")->Text()) +
            "\" onClick=\"Search(this.form.srchname.value);\">\r\n";
    page += "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\r\n";
    page += "<A HREF=\"" + EscapeForAttribute(search.TargetPage->Text()) + "\" target=\"" +
            EscapeForAttribute(search.TargetFrame->Text()) + "\">";
    std::string close = FontElement(p.InstructionFont, p.LangForm->Real("SrchClose")->Text());
    close.replace(close.size() - 7, 7, "</font>");
    page += close + "\r\n";
    page += "<img src=\"qlxu.gif\"" + in.ButtonSize + "></A>\r\n<br>&nbsp;\r\n";
    page += "</td>\r\n</form>\r\n</TR>\r\n</TABLE>\r\n</CENTER>\r\n</BODY>\r\n</HTML>\r\n";
    return true;
}

}  // namespace fv
