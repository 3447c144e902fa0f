#include "SyntheticPage.h"

#include <random>

namespace {

// One piece of the author's part; n makes each one its own.
std::string authorBlock(unsigned kind, unsigned n) {
    const std::string id = std::to_string(n);
    switch (kind % 12) {
    case 0:
        return "<div>Line " + id +
               " of the description, with <b>bold</b> and <i>italic</i> words, caf\xC3\xA9.</div>\n";
    case 1:
        return "<p>A paragraph " + id +
               " with <span style=\"color: red\">styled</span> text and <font size=\"2\">small"
               "</font> text.</p>\n";
    case 2:
        return "<h3>Heading " + id + "</h3>\n";
    case 3:
        return "<table border=\"1\" style=\"width: 80%\"><tr><th>Role</th><th>Task</th></tr><tr><td "
               "style=\"color: blue\">Analyst " +
               id + "</td><td>Review</td></tr></table>\n";
    case 4:
        return "<ul><li>first " + id +
               "</li><li>second <a href=\"../Other/overview.htm\">link</a></li></ul>\n";
    case 5:
        return "<center>centred " + id + "</center><span></span><b></b>\n";
    case 6:
        return "<div onclick=\"show()\" style=\"text-align: center; font-family: Verdana\">aligned " + id +
               "</div>\n";
    case 7:
        return "<a name=\"s" + id + "\"></a><div><a href=\"#Top\">To top</a></div>\n";
    case 8:
        return "<div><img src=\"picture" + id + ".gif\" style=\"border: 0\" onload=\"f()\"> picture</div>\n";
    case 9:
        return "<o:p>pasted " + id + "</o:p><!-- comment " + id + " -->\n";
    case 10:
        return "<div><span style=\"background-color: rgb(255, 255, 0)\">marked " + id +
               "</span> and <em></em><strong>strong</strong></div>\n";
    default:
        return "<p>&nbsp;</p><div><font face=\"Arial\"><font size=\"4\">nested " + id +
               "</font></font></div>\n";
    }
}

} // namespace

std::string syntheticPage(std::size_t bytes) {
    std::string page = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html><head>"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                       "<title>Large page</title><style>BODY { font-size: 14px; font-family: Arial }</style>"
                       "</head><body>\n<a name=\"Top\"></a>\n";
    // The generated part takes the last tenth.
    const std::size_t authorBytes = bytes - bytes / 10;
    std::mt19937 random(7);
    unsigned n = 0;
    while (page.size() < authorBytes)
        page += authorBlock(random(), n++);
    page += "<!--PROCESS_HYPERLINK-->\n";
    while (page.size() < bytes) {
        const std::string id = std::to_string(n++);
        page += "<H2 CLASS=Gen>Section " + id +
                "</H2><P><SPAN style=\"color:red\">generated</SPAN> <A HREF=\"../A" + id +
                "/overview.htm\">activity " + id + "</A></P>\n";
    }
    return page + "</body></html>\n";
}
