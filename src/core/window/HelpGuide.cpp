#include "core/window/HelpGuide.h"

namespace tagsmith {

namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::string HelpGuideText(const std::string& manualAddress) {
    const std::string q = "\"";
    const std::string paragraph = std::string(kCrLf) + kCrLf;
    std::string guide;
    guide += "An illustrated verson of this documentation can be found at " + manualAddress +
             ".  This help window may be resized " + "or maximized for easier reading." + paragraph;
    guide += std::string("This program generates keywords meta tags.  ") +
             "It works basically by counting the number of occurrences of words " +
             "in a HTML document or PHP script and building the keywords meta tag from the " +
             "most-frequently used words (ignoring common words such as 'the' and 'which').  " +
             "It does not, however, just use word frequencies, but assigns more (or less) " +
             "importance to words which occur:" + paragraph;
    guide += std::string("(a) in the title, <TITLE>...</TITLE>") + kCrLf;
    guide += "(b) in the description, <meta name=" + q + "description" + q + " content=" + q +
             "..." + q + ">" + kCrLf;
    guide += "(c) among existing keywords, " + std::string("<meta name=") + q + "keywords" + q +
             " content=" + q + "..." + q + ">" + kCrLf;
    guide += std::string("(d) in a heading, e.g., <H4>...</H4>") + kCrLf;
    guide += std::string("(e) in boldface, <B>...</B> and <STRONG>...</STRONG>") + kCrLf;
    guide += std::string("(f) in italics, <I>...</I> and <EM>...</EM>") + kCrLf;
    guide += std::string("(g) in a table, <TABLE>...</TABLE> and") + kCrLf;
    guide += "(h) within <DIV>...</DIV> and <SPAN>...</SPAN>." + paragraph;
    guide +=
        "You can control the amount of weight given to words occurring in these contexts, "
        "as follows:" +
        paragraph;
    guide +=
        "Words in boldface can be given a weight of 1 to 9. A weight of 5 means that an "
        "occurrence of a word in boldface counts five times as much as a word which does "
        "not occur in boldface. Set this to 1 to give bold and non-bold words equal "
        "weight." +
        paragraph;
    guide += std::string("Words within <TABLE> tags can be given a weight of 1 to 9. ") +
             "Words within <DIV> and <SPAN> tags can be given a weight of 0 to 9. Set this to 0 "
             "if words within these tags are to be ignored.  " +
             "These tags can be nested.  The degree of nesting does not affect the weighting." +
             paragraph;
    guide +=
        "Words in a heading <Hn> are given a weight of 5 times (7 minus the heading level), "
        "e.g., words in <H4>...</H4> get a weight of 5 *(7 - 4) = 15." +
        paragraph;
    guide +=
        "Existing keywords (those in a keywords meta tag already existing in the document) "
        "can be given a weight of 0 to 9. Set the weight to 0 if existing keywords are to be "
        "ignored." +
        paragraph;
    guide += std::string("The input file (whose name must have extension 'php' ") +
             "or an extension containing 'htm') is selected (by clicking on 'Input file') in the "
             "usual way:" +
             paragraph;
    guide +=
        "If the document already has a keywords meta tag then you can display it by "
        "clicking on 'Show existing keywords, etc.'.  This also shows the current title and "
        "description, if any." +
        paragraph;
    guide += std::string(
                 "You can tell the program to ignore short words, that is, words with a specified "
                 "number of letters (such as 3) or less. You can also tell the program to ignore "
                 "common words, e.g., 'with' and 'into' (this is the default option and should "
                 "always be used).  ") +
             "You can specify the maximum number of keywords in the meta tag and the maximum "
             "length in bytes of the meta tag." +
             paragraph;
    guide +=
        "You can require that only words which occur a specified minimum number of times "
        "should be considered for inclusion in the keywords meta tag.  This does not apply "
        "to words within the <TITLE> tag or words within the description or the existing "
        "keywords meta tag. Thus you can require that words in the body of the document "
        "must occur at least twice, yet words in the title, etc., will still be candidates "
        "for the meta tag even if they occur there only once." +
        paragraph;
    guide += std::string("After you have specified the input file and the controlling ") +
             "parameters you can either:" + kCrLf;
    guide += std::string("(i) click on 'List words' to get a list of the words satisfying ") +
             "the selection criteria, together with their keyword value, frequency and density "
             "or" +
             kCrLf;
    guide += "(ii) click on 'Generate/show keywords meta tag' to get the meta tag." + paragraph;
    guide += std::string("Keyword density is the number of occurrences of a keyword ") +
             "divided by the total number of words in the document." + paragraph;
    guide +=
        "If you want some words to be included as phrases you can type them into the "
        "'Begin meta tag with' textbox, then pressing 'Generate/show keywords meta tag' "
        "gives the revised meta tag:" +
        paragraph;
    guide +=
        "You can edit the keywords directly, then copy the keywords meta tag to the "
        "clipboard and paste it into the header section of your HTML document.  Or perhaps "
        "better, copy it into your HTML document and edit there." +
        paragraph;
    guide += std::string("This program works not only with HTML files but also with PHP files.  ") +
             "It skips over all PHP sections, that is, code within '<?' and '?>'.  This implies "
             "that displayed text " +
             "which is output using 'echo' will not be scanned.  Also text contained within PHP "
             "arrays will not be scanned." +
             paragraph;
    guide += std::string(
                 "The only difference in the functioning of the program for HTML files and PHP "
                 "files ") +
             "is that, in the latter case, insertion of the generated keywords meta tag into the "
             "document will always be " +
             "accompanied by the creation of a backup copy of the original file." + paragraph;
    return guide;
}

}  // namespace tagsmith
