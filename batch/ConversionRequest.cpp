#include "batch/ConversionRequest.h"

SizeRule SizeRuleOf(const ConversionRequest& request)
{
    SizeRule rule;
    rule.noEnlarge = request.noEnlarge;
    rule.width = request.width.value_or(0);
    rule.height = request.height.value_or(0);
    if (request.width && request.height)
        rule.mode = request.fit ? SizeRule::Mode::Fit : SizeRule::Mode::Exact;
    else if (request.width)
        rule.mode = SizeRule::Mode::Width;
    else if (request.height)
        rule.mode = SizeRule::Mode::Height;
    return rule;
}

void SetSizeRule(ConversionRequest& request, const SizeRule& rule)
{
    const bool width = rule.mode == SizeRule::Mode::Width || rule.mode == SizeRule::Mode::Fit ||
                       rule.mode == SizeRule::Mode::Exact;
    const bool height = rule.mode == SizeRule::Mode::Height || rule.mode == SizeRule::Mode::Fit ||
                        rule.mode == SizeRule::Mode::Exact;
    request.width = width ? std::optional<int>(rule.width) : std::nullopt;
    request.height = height ? std::optional<int>(rule.height) : std::nullopt;
    request.fit = rule.mode == SizeRule::Mode::Fit;
    request.noEnlarge = rule.noEnlarge;
}
