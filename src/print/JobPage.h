#pragma once

class GPage;
class Job;
class TextStyles;
struct PageFonts;
struct PageOptions;

/// The body of a printed estimate or quote: address block, summary with the
/// terms, and the breakdown tables the view asks for.
class JobPage
{
public:
    static void composePage(GPage& page, const Job& job, const PageOptions& options,
                            const TextStyles& styles, const PageFonts& fonts);
};
