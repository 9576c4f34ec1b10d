#include "analiza_modelu.h"
#include "html.h"
#include "raport.h"

#include <random>
#include <string>

namespace {

using Raport = ZModelem;

std::string raport(const std::string& nazwa = "pret.M1D", std::span<const NaprawionaPodpora> naprawione = {})
{
    std::string html;
    Strumien s(do_napisu(html));
    EXPECT_TRUE(zapisz_raport(s, nazwa, naprawione));
    return html;
}

int ile_razy(const std::string& t, const std::string& co)
{
    int n = 0;
    for (std::size_t p = t.find(co); p != std::string::npos; p = t.find(co, p + 1))
        ++n;
    return n;
}

bool zawiera(const std::string& t, const std::string& co) { return t.find(co) != std::string::npos; }

} // namespace

TEST_F(Raport, OnePageWithEverySectionInlinePicturesAndItsTextsEscaped)
{
    przelicz_model(pret_dwuelementowy());
    const NaprawionaPodpora n{1, -7};
    const std::string t = raport("<a&b>.M1D", {&n, 1});
    EXPECT_TRUE(t.starts_with("<!DOCTYPE html>\n<html lang=\"pl\">"));
    EXPECT_TRUE(t.ends_with("</body>\n</html>\n"));
    for (const char* id : {"sprawdzenie", "rysunek", "dane", "wyniki", "wykresy", "weryfikacja", "nauka"})
        EXPECT_TRUE(zawiera(t, std::string("<h2 id=\"") + id + "\">")) << id;
    EXPECT_EQ(ile_razy(t, "<svg "), 4); // the bar and three diagrams
    EXPECT_FALSE(zawiera(t, "<?xml"));
    EXPECT_FALSE(zawiera(t, "src=\"")); // nothing to fetch
    EXPECT_TRUE(zawiera(t, "<tr><td>1</td><td>10</td><td>10</td><td>0.1</td><td>0</td><td>0.1</td><td>0.1</td></tr>"));
    EXPECT_TRUE(zawiera(t, "<tr><td>3</td><td>3</td><td>10</td></tr>")); // node 3: x and force
    EXPECT_TRUE(zawiera(t, "<title>ZENTA: &lt;a&amp;b&gt;.M1D</title>"));
    EXPECT_FALSE(zawiera(t, "<a&b>"));
    EXPECT_TRUE(zawiera(t, "Uwaga: Podpora 1: w pliku węzeł -7 spoza 1..3; przyjęto węzeł 1"));
}

TEST_F(Raport, StepByStepShowsTheNumbersOfTheAnalysis)
{
    std::mt19937 los(3);
    przelicz_model(pret_losowy(15, 4, los));
    const std::string t = raport();
    ASSERT_TRUE(zawiera(t, "<h3>4. Eliminacja Gaussa"));
    // The last table of the section lists the reactions the analysis gave.
    const std::string nauka = t.substr(t.find("<h2 id=\"nauka\">"));
    for (int k = 1; k <= il_podpor; ++k)
        EXPECT_TRUE(zawiera(nauka, "<tr><td>" + std::to_string(k) + "</td><td>" + std::to_string(nu[k]) + "</td><td>" +
                                       liczba_html(react[k]) + "</td></tr>"))
            << k;
    for (int i = 1; i <= il_elem; ++i)
        EXPECT_TRUE(zawiera(nauka, "<tr><td>" + std::to_string(i) + "</td><td>" + liczba_html(stress[i]) + "</td></tr>"))
            << i;
}

TEST_F(Raport, LargeModelsAreSummarised)
{
    przelicz_model(pret_jednorodny(1500));
    const std::string t = raport();
    EXPECT_TRUE(zawiera(t, "Obliczenia krok po kroku pokazujemy dla modeli do 20 elementów; ten ma 1500."));
    EXPECT_TRUE(zawiera(t, "Pokazano 1000 pierwszych z 1500 wierszy"));
    EXPECT_TRUE(zawiera(t, "Pokazano 1000 pierwszych z 1501 wierszy"));
    EXPECT_LT(t.size(), 2'000'000u);
}
