#include "HeadlessChromium.h"
#include "fakes/FakeServices.h"
#include "html/CssGradient.h"
#include "html/SpanTag.h"
#include "platform/SteadyClock.h"
#include "preview/DynamicPreview.h"
#include "preview/PreviewPages.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QTcpServer>
#include <QTcpSocket>

namespace tintora {
namespace {

class LivePreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { chromium_ = new test::THeadlessChromium(); }
    static void TearDownTestSuite() {
        delete chromium_;
        chromium_ = nullptr;
    }
    void SetUp() override {
        if (!chromium_->Running()) {
            GTEST_SKIP() << "no chromium to run";
        }
    }
    void TearDown() override { chromium_->CloseAll(); }

    TDevToolsTarget OpenPage(const std::string& html) {
        return chromium_->Open("file://" +
                               pages_.Write(std::to_string(++pageCount_) + ".html", html));
    }
    TUpdateOutcome Update(TDynamicPreviewUpdate update) {
        std::optional<TUpdateOutcome> outcome;
        preview_.UpdateDynamicPreview(std::move(update), [&](TUpdateOutcome o) { outcome = o; });
        test::SpinUntil([&] { return outcome.has_value(); });
        return outcome.value_or(TUpdateOutcome::uoFailed);
    }
    QJsonValue Eval(const TDevToolsTarget& page, const QString& expression) {
        return chromium_->Evaluate(page, expression);
    }
    // Pixels of exactly the colour in the top left 200 x 60 of the page as painted.
    int PaintedPixels(const TDevToolsTarget& page, QRgb color) {
        const QJsonObject shot = chromium_->Call(
            page, "Page.captureScreenshot",
            {{"format", "png"},
             {"clip",
              QJsonObject{{"x", 0}, {"y", 0}, {"width", 200}, {"height", 60}, {"scale", 1}}}});
        const QImage image = QImage::fromData(
            QByteArray::fromBase64(shot.value("data").toString().toLatin1()), "PNG");
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
            }
        }
        return count;
    }

    static test::THeadlessChromium* chromium_;
    test::TTempDir pages_;
    int pageCount_ = 0;
    TFakeUserPrompts prompts_;
    TSteadyClock clock_;
    TDynamicPreview preview_{chromium_->Client(), prompts_, clock_, [] {}};
};

test::THeadlessChromium* LivePreviewTest::chromium_ = nullptr;

TEST_F(LivePreviewTest, FontPreviewShowsItsJapaneseTitle) {
    TFontPreviewInput input;
    input.FontTag = "<font color=\"#ff0000\">日本語</font>";
    const TDevToolsTarget page = OpenPage(FontPreviewPage(input));
    EXPECT_EQ(Eval(page, "document.characterSet").toString(), "UTF-8");
    EXPECT_EQ(Eval(page, "document.title").toString().toStdString(),
              "Tintora - FONTタグ表示テスト");
    EXPECT_EQ(Eval(page, "document.body.textContent.trim()").toString().toStdString(), "日本語");
}

TEST_F(LivePreviewTest, SpanGoesOnTopThenIsReplaced) {
    const TDevToolsTarget page = OpenPage("<body><p>first</p><div style='height:3000px'></div>");
    Eval(page, "window.scrollTo(0, 1000)");
    EXPECT_EQ(Update(TFontSpanUpdate{"<b>1</b>"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(Eval(page, "document.body.firstChild.id + ' ' + window.scrollY").toString(),
              "huxgrd 0");

    // Quotes, backslashes, a line separator, CJK and an emoji reach the page unchanged.
    const std::string tricky = "<font color=\"#ff0000\">'\"\\n\\\\ \u2028 日本 😀</font>";
    EXPECT_EQ(Update(TFontSpanUpdate{tricky}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(Eval(page, "document.querySelectorAll('span').length").toInt(), 1);
    EXPECT_EQ(Eval(page, "document.getElementById('huxgrd').innerHTML").toString().toStdString(),
              tricky);
}

TEST_F(LivePreviewTest, SelectionIsReplacedAndTheOldSpanKeepsItsText) {
    const TDevToolsTarget page =
        OpenPage("<body><span id=huxgrd>old</span><p id=p>hello world</p>"
                 "<table><tr><td id=a>one</td><td id=b>two</td></tr></table>");
    Eval(page,
         "(() => { const t = document.getElementById('p').firstChild, r = document.createRange();"
         " r.setStart(t, 6); r.setEnd(t, 11); getSelection().addRange(r); })()");
    EXPECT_EQ(Update(TFontSpanUpdate{"<i>new</i>"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(Eval(page, "document.getElementById('p').innerHTML").toString(),
              "hello <span id=\"huxgrd\"><i>new</i></span>");
    EXPECT_TRUE(QRegularExpression("^huxgrd[0-9A-F]{8}:old$")
                    .match(Eval(page, "(e => e.id + ':' + e.textContent)(document.body.firstChild)")
                               .toString())
                    .hasMatch());
    EXPECT_TRUE(prompts_.Shown.empty());

    // A selection across two table cells cannot take the span.
    Eval(page, "(() => { const r = document.createRange(); r.setStart(a.firstChild, 1);"
               " r.setEnd(b.firstChild, 2); getSelection().removeAllRanges(); "
               "getSelection().addRange(r); })()");
    EXPECT_EQ(Update(TFontSpanUpdate{"x"}), TUpdateOutcome::uoRefused);
    EXPECT_EQ(prompts_.Shown, (std::vector<TFakeUserPrompts::TShown>{
                                  {"error", "", std::string(PastePreviewRefusedMessage)}}));
    EXPECT_EQ(Eval(page, "a.textContent + b.textContent").toString(), "onetwo");
}

TEST_F(LivePreviewTest, LinkColourRepaintsLinksAlreadyShown) {
    const TDevToolsTarget page = OpenPage("<body style='margin:0'><a href='http://x.invalid/' "
                                          "style='font:bold 40px monospace'>MMMM</a>");
    for (const QRgb color : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 0, 0)}) {
        EXPECT_EQ(
            Update(TBodyColorUpdate{*BodyColorAttribute(23), RgbHexToColor(color & 0xFFFFFF)}),
            TUpdateOutcome::uoUpdated);
        EXPECT_GT(PaintedPixels(page, color), 300) << std::hex << color;
    }
    EXPECT_EQ(Update(TBodyColorUpdate{*BodyColorAttribute(21), MakeColor(0, 0, 255)}),
              TUpdateOutcome::uoUpdated);
    EXPECT_EQ(Eval(page, "getComputedStyle(document.body).backgroundColor").toString(),
              "rgb(0, 0, 255)");
}

TEST_F(LivePreviewTest, PagesStillLoadingOrTooBusyAreSkipped) {
    const TDevToolsTarget ready = OpenPage("<body><p>ready</p>");

    // A server that never finishes its page keeps that page loading.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QObject::connect(&server, &QTcpServer::newConnection, [&server] {
        server.nextPendingConnection()->write(
            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body><p>loading");
    });
    const TDevToolsTarget loading =
        chromium_->Open("http://127.0.0.1:" + std::to_string(server.serverPort()) + "/", false);
    test::SpinUntil([&] { return Eval(loading, "document.readyState").toString() == "loading"; });
    EXPECT_EQ(Update(TFontSpanUpdate{"a"}), TUpdateOutcome::uoUpdated);
    EXPECT_TRUE(Eval(loading, "document.getElementById('huxgrd') === null").toBool());

    // A page busy past its deadline is left behind; when it gets round to the call, it is too late.
    const TDevToolsTarget busy = OpenPage("<body><p>busy</p>");
    Eval(busy, "setTimeout(() => { const t = Date.now(); while (Date.now() - t < 1500) {} }, 0)");
    EXPECT_EQ(Update(TFontSpanUpdate{"b"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(Eval(ready, "document.getElementById('huxgrd').textContent").toString(), "b");
    EXPECT_TRUE(Eval(busy, "document.getElementById('huxgrd') === null").toBool());
}

TEST_F(LivePreviewTest, TrustedTypesPageGetsItsSpanThroughTheProtocol) {
    const TDevToolsTarget page = OpenPage("<head><meta http-equiv='Content-Security-Policy' "
                                          "content=\"require-trusted-types-for 'script'\">"
                                          "</head><body><p>x</p>");
    EXPECT_EQ(Update(TFontSpanUpdate{"<b>tt</b>"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(Eval(page, "document.body.firstElementChild.outerHTML").toString(),
              "<span id=\"huxgrd\"><b>tt</b></span>");
}

// The computed colour of every character inside the live span, in text order.
const QString CharColoursScript =
    "(() => { const out = []; const walk = n => { if (n.nodeType === 3) { for (const c of n.data) "
    "out.push(getComputedStyle(n.parentElement).color); } else { n.childNodes.forEach(walk); } }; "
    "walk(document.getElementById('huxgrd')); return out; })()";

TEST_F(LivePreviewTest, TheSpanFormPaintsEachCharacterInItsFontTagColour) {
    const TDevToolsTarget page = OpenPage("<body><p>x</p>");
    TFontTagInput input;
    input.Text = "A&b <\xC3\xBF\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80\"'z";
    input.Mid = MakeColor(0x12, 0x9A, 0x40);
    input.Bold = true;
    input.SizeText = "+2";
    input.FaceText = "'DejaVu Sans', serif";
    input.WaveCount = 230;
    input.WaveShift = 17;
    input.WrapFontTag = true;
    for (const auto type : {TGrdType::gtNone, TGrdType::gtTwo, TGrdType::gtThree,
                            TGrdType::gtRainBow, TGrdType::gtWave}) {
        input.Type = type;
        ASSERT_EQ(Update(TFontSpanUpdate{MakeFontTag(input).Text}), TUpdateOutcome::uoUpdated);
        const QJsonArray font = Eval(page, CharColoursScript).toArray();
        ASSERT_EQ(Update(TFontSpanUpdate{MakeSpanTag(input).Text}), TUpdateOutcome::uoUpdated);
        const QJsonArray span = Eval(page, CharColoursScript).toArray();
        EXPECT_EQ(font.size(), 12) << static_cast<int>(type);
        EXPECT_EQ(span, font) << static_cast<int>(type);
    }
}

TEST_F(LivePreviewTest, TheCssGradientTakesEveryDeclaration) {
    const TDevToolsTarget page = OpenPage("<body><p>x</p>");
    TFontTagInput input;
    input.Text = "Gradient";
    input.Italic = true;
    input.FaceText = "M+ 1p,monospace";
    ASSERT_EQ(Update(TFontSpanUpdate{MakeCssGradientTag(input).Text}), TUpdateOutcome::uoUpdated);
    const QJsonValue style =
        Eval(page, "(s => [s.color, s.backgroundImage.split('(')[0], s.webkitBackgroundClip, "
                   "s.backgroundClip, s.webkitTextFillColor, s.fontFamily, s.fontStyle])"
                   "(getComputedStyle(document.getElementById('huxgrd').firstChild))");
    EXPECT_EQ(style.toArray(), (QJsonArray{"rgb(255, 0, 0)", "linear-gradient", "text", "text",
                                           "rgba(0, 0, 0, 0)", "\"M+ 1p\", monospace", "italic"}));
}

} // namespace
} // namespace tintora
