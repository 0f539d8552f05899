#include "core/render/fragments.h"

#include "core/app/product.h"

namespace tilvane {

namespace {

// It stands after the html tag, which keeps browsers in quirks mode: the page styles
// (unitless border widths, sized rules) were written for it.
constexpr const char* kXhtmlDoctype =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">";

std::string pageClose(const char* firstLine)
{
    return std::string(firstLine) + "\r"
           "</div>\r"
           "</div>\r"
           "<div class=\"bodyBottom\"></div>\r"
           "<div class=\"printWatermark\" dir=\"ltr\">\r"
           "This document is printed with <b>Tilvane</b> 1.0.0 ("
        + std::string(kProductWebAddress) + ").\r"
           "</div>\r"
           "</div>\r"
           "</body>\r"
           "</html>";
}

} // namespace

const std::string HeadFragment =
    std::string("<html>\r") + kXhtmlDoctype + "\r"
    "<head>\r"
    "  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r"
    "  <base href=\"%s\" />\r"
    "  <link rel=\"stylesheet\" media=\"all\" type=\"text/css\" href=\"lib/css/common.css\" />\r"
    "  <link rel=\"stylesheet\" media=\"screen\" type=\"text/css\" href=\"lib/css/%s\" />\r"
    "  <link rel=\"stylesheet\" media=\"screen\" type=\"text/css\" href=\"lib/css/tooltip.css\" />\r"
    "\r"
    "  <script src=\"lib/js/jquery.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "  <script src=\"lib/js/ifx.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "  <script src=\"lib/js/iutil.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "  <script src=\"lib/js/ifxscrollto.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "\r"
    "  <script src=\"lib/js/common.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "  <script src=\"lib/js/search.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "  <script src=\"lib/js/nav.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "  <script src=\"lib/js/tooltip.js\" language=\"javascript\" type=\"text/javascript\"></script>\r"
    "</head>\r"
    "\r";

const std::string QuranBodyOpen =
    "<body id=\"quranBody\" dir=\"rtl\">\r"
    "<div id=\"body\" class=\"body\">\r"
    "<div id=\"quranSection\" class=\"main\">\r"
    "<div id=\"searchableSection\" class=\"quran\">\r";

const std::string TransBodyOpen =
    "<body id=\"quranBody\" dir=\"ltr\">\r"
    "<div id=\"body\" class=\"body\">\r"
    "<div id=\"quranSection\" class=\"main\">\r"
    "<div id=\"searchableSection\" class=\"trans\">\r";

const std::string SuraHeader =
    "  <div class=\"bodyTop\" align=\"center\">\r"
    "    <div dir=\"ltr\" class=\"def suraName\">\r"
    "    %s\r"
    "    </div>\r"
    "    %s\r"
    "  </div>\r";

const std::string BismillahBlock =
    "<div class=\" bismillah\">%s </div>\r"
    "<p>\r";

const std::string AyaBlockOpen =
    "    <div class=\"aya\" id=\"%s\">\r";

const std::string ArabicBlock =
    "      <!-- Arabic -->\r"
    "      <div class=\"quran\" lang=\"ar\">\r"
    "        %s\r"
    "        <span class=\"suraAyaNum\">&nbsp;&#64831;%s&#64830;</span>\r"
    "      </div>\r";

const std::string LatinBlock =
    "      <!-- Arabic Latin -->\r"
    "      <div dir=\"ltr\" id=\"%s\" class=\"latin\" align=\"left\" style=\"font-size:%s\">\r"
    "        %s\r"
    "      </div>\r";

const std::string TranslationBlock =
    "      <!-- Translation -->\r"
    "      <div dir=\"ltr\" class=\"trans\" lang=\"%s\" align=\"justify\">\r"
    "        %s\r"
    "      </div>\r";

const std::string AyaBlockClose =
    "      <hr style=\"border-style: solid; border-width: 0.5\" color=\"#C0C0C0\" size=\"1\">\r"
    "    </div>\r";

const std::string InlineAya =
    "    <span class=\"aya\" id=\"%s\">\r"
    "      %s\r"
    "      <nobr>\r"
    "        <span class=\"ayaSign\">&nbsp;&#64831;%s&#64830;&nbsp;</span>\r"
    "      </nobr>\r"
    "    </span>\r";

const std::string PageClose = pageClose("  <p>");

const std::string TransAyaBlockOpen =
    "    <div class=\"aya ayaSep\" id=\"%s\" align=\"justify\">\r"
    "      <hr style=\"border-style: solid; border-width: 0\" color=\"#FFFFFF\" size=\"0\">\r";

const std::string TransOnlyBlock =
    "      <!-- %s Translation -->\r"
    "        %s\r";

const std::string TransAyaBlockClose =
    "      <hr style=\"border-style: solid; border-width: 0\" color=\"#FFFFFF\" size=\"0\">\r"
    "    </div>\r";

const std::string PrefaceHead =
    std::string("<html>\r") + kXhtmlDoctype + "\r"
    "<head>\r"
    "  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r"
    "  <base href=\"%s\" />\r"
    "  <link rel=\"stylesheet\" media=\"all\" type=\"text/css\" href=\"lib/css/common.css\" />\r"
    "  <link rel=\"stylesheet\" media=\"screen\" type=\"text/css\" href=\"lib/css/screen.css\" />\r"
    "</head>\r"
    "\r"
    "<body id=\"quranBody\" dir=\"ltr\">\r"
    "<div id=\"body\" class=\"body\">\r"
    "<div id=\"quranSection\" class=\"main\">\r"
    "<div id=\"searchableSection\" class=\"quran\">\r"
    "\r"
    "  <div class=\"bodyTop\" align=\"center\">\r"
    "    <div dir=\"ltr\" class=\"def suraName\">\r"
    "    %s\r"
    "    </div>\r"
    "  </div>\r";

const std::string PrefaceTitle =
    "<div class=\"Title\" align=\"center\">\r"
    "  <div dir=\"ltr\" class=\"def TitleName\">\r"
    "  Mukadimah\r"
    "  </div>\r"
    "</div>\r";

const std::string ClosingTitle =
    "<div class=\"Title\" align=\"center\">\r"
    "  <div dir=\"ltr\" class=\"def TitleName\">\r"
    "  Penutup\r"
    "  </div>\r"
    "</div>\r";

const std::string PrefaceBodyOpen =
    "<div class=\"aya_h\" id=\"%s\">\r"
    "  <!-- Isi Pembukaan/Penutup -->\r"
    "  <div dir=\"ltr\" class=\"bukatutup\" lang=\"in\" align=\"justify\"><p>\r";

const std::string PrefaceBodyClose =
    "  </div>\r"
    "</div>\r";

const std::string PrefacePageClose = pageClose("<p>");

const std::string FootnoteMark =
    "<sup><b href=\"#\" onmouseout=\"popUp(event,'%s')\" onmouseover=\"popUp(event,'%s')\" "
    "onclick=\"return false\">[%s]</b></sup>";

const std::string FootnoteTip =
    "<div id=\"%s\" dir=\"ltr\" class=\"tip\" align=\"left\">%s</div>";

} // namespace tilvane
