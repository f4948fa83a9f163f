// A button or a check box clicked (by the mouse, its access key or the
// program) takes the focus first: the box left stores its value before the
// click runs, or refuses to be left and stops the click.

#include "sample_form.h"

#include <QTest>

#include <functional>

namespace olm::testing {
namespace {

using Log = std::vector<std::string>;

TEST_F(SampleFormTest, AClickWaitsForTheBoxLeftWhichMayStopIt) {
    SampleForm& f = form();
    f.mark.setCaption("&Mark");
    f.mark.onClick([&] { f.log.push_back("Mark!"); });
    const std::pair<Log, std::function<void()>> ways[] = {
        {{"A-", "Ok+", "Ok!"}, [&] { click(f.ok); }},  {{"A-", "Ok+", "Ok!"}, [&] { pressAccessKey(f, 'o'); }},
        {{"A-", "Ok+", "Ok!"}, [&] { f.ok.click(); }}, {{"A-", "Mark!"}, [&] { click(f.mark); }},
        {{"A-", "Mark!"}, [&] { pressAccessKey(f, 'm'); }}};
    for (const auto& [acted, act] : ways) {
        for (const bool refuse : {false, true}) {
            SCOPED_TRACE(::testing::PrintToString(acted) + (refuse ? " refused" : ""));
            startInBoxA();
            f.boxA.onLostFocus([&, refuse] {
                f.log.push_back("A-");
                if (refuse) {
                    f.boxA.setFocus();
                }
            });
            act();
            EXPECT_EQ(refuse ? Log({"A-", "A+"}) : acted, f.log);
        }
    }
    // A message shown as the box is left takes the mouse's release: the click is made all the same.
    startInBoxA();
    f.boxA.onLostFocus([&] { QTest::mouseRelease(f.ok.widget(), Qt::LeftButton); });
    QTest::mousePress(f.ok.widget(), Qt::LeftButton);
    EXPECT_EQ(Log({"Ok+", "Ok!"}), f.log);
}

} // namespace
} // namespace olm::testing
