#include "tables/PhonePage.h"

#include "reports/PageText.h"
#include "store/GameRules.h"
#include "tables/TableSet.h"

namespace corvane::tables {
namespace {

// How long the phone waits before sending an unanswered entry again.
constexpr int resendMilliseconds = 3000;

void appendHead(PageText& page, std::string_view title) {
    page.line("<!DOCTYPE html>")
        .line("<html><head><meta charset=\"utf-8\">")
        .line("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")
        .text("<title>")
        .text(title)
        .line("</title><style>")
        .line("body{font-family:sans-serif;margin:0.8em;font-size:1.1em}")
        .line("input,select,button{font-size:1.1em;margin:0.2em 0}")
        .line("input{width:5em}.team{font-weight:bold}.step{display:none}")
        .line("#problem{color:#a00}button{padding:0.4em 0.8em}")
        .line("</style></head><body>");
}

void appendTeam(PageText& page, int side, const Table& table,
                const std::vector<std::string>& teams) {
    const std::string number = std::to_string(side);
    page.text("<p>Team ").text(number).text(": ");
    if (!table.anyTeams()) {
        page.text("<span class=\"team\" id=\"t").text(number).text("\">");
        page.name(side == 1 ? table.team1 : table.team2).line("</span></p>");
    } else {
        page.text("<select id=\"t").text(number).line("\"><option value=\"\"></option>");
        for (const std::string& team : teams) {
            page.text("<option value=\"").name(team).text("\">").name(team).line("</option>");
        }
        page.line("</select></p>");
    }
    page.text("<p>Score: <input id=\"s").text(number).text("\" inputmode=\"numeric\" value=\"0\">");
    page.text(" Flags Given: <input id=\"f").text(number).line("\" value=\"0\"></p>");
}

// The script: checks as Game Results checks, a summary for the other team,
// then the entry is kept on the phone and sent until the program answers.
constexpr std::string_view script = R"(<script>
(function(){
var key='corvane-'+location.pathname,any=document.getElementById('t1').tagName==='SELECT';
function el(id){return document.getElementById(id);}
function show(id){var s=['entry','summary','status'];for(var i=0;i<s.length;i++)el(s[i]).style.display=s[i]===id?'block':'none';}
function team(n){var t=el('t'+n);return any?t.value:t.textContent;}
function score(n){var v=el('s'+n).value;return /^[0-9]{0,4}$/.test(v)&&(v===''?0:parseInt(v,10))<=MAX?v:null;}
function problem(){
 if(any&&(team(1)===''||team(2)===''))return 'You must select a team from each drop down box.';
 if(any&&team(1).toLowerCase()===team(2).toLowerCase())return 'You have the same team selected twice!';
 if(score(2)===null)return 'You have entered an invalid score for Team 2!';
 if(score(1)===null)return 'You have entered an invalid score for Team 1!';
 if(!/^[-+]?[0-9]{0,4}$/.test(el('f1').value)||!/^[-+]?[0-9]{0,4}$/.test(el('f2').value))return 'Flags given must be a whole number.';
 return '';}
function side(n){return team(n)+' '+(el('s'+n).value||'0')+' (flags '+(el('f'+n).value||'0')+')';}
function newId(){var a='',c='abcdefghijklmnopqrstuvwxyz0123456789',r=window.crypto&&crypto.getRandomValues?crypto.getRandomValues(new Uint8Array(20)):null;
 for(var i=0;i<20;i++)a+=c.charAt((r?r[i]:Math.floor(Math.random()*256))%36);return a+'-'+new Date().getTime();}
function field(k,v){return k+'='+encodeURIComponent(v);}
var words={'saved':'Saved. Thank you.','waiting-organiser':'Sent: waiting for the organiser.','waiting-other':'Sent: waiting for the other team to confirm.','rejected':'The organiser did not take this result. Enter it again or ask the organiser.'};
function say(t){el('message').textContent=t;show('status');}
function send(){
 var kept=null;try{kept=JSON.parse(localStorage.getItem(key));}catch(e){}
 if(!kept)return;
 var r=new XMLHttpRequest();r.open('POST',location.pathname,true);
 r.setRequestHeader('Content-Type','application/x-www-form-urlencoded');r.timeout=8000;
 r.onreadystatechange=function(){
  if(r.readyState!==4)return;
  if(r.status===200){localStorage.removeItem(key);say(words[r.responseText]||r.responseText);return;}
  if(r.status>=400&&r.status<500&&r.status!==429){localStorage.removeItem(key);el('problem').textContent=r.responseText;show('entry');return;}
  say('No answer yet: sending again...');setTimeout(send,RESEND);};
 r.send(kept.body);}
function keep(both){
 var b=[field('id',newId()),field('s1',el('s1').value),field('f1',el('f1').value),field('s2',el('s2').value),field('f2',el('f2').value),field('both',both?'1':'0'),field('device',navigator.userAgent)];
 if(any){b.push(field('t1',team(1)));b.push(field('t2',team(2)));}
 try{localStorage.setItem(key,JSON.stringify({body:b.join('&')}));}catch(e){}
 say('Sending...');send();}
el('next').onclick=function(){var p=problem();el('problem').textContent=p;if(p)return;
 el('check').textContent=side(1)+' vs '+side(2);show('summary');};
el('back').onclick=function(){show('entry');};
el('both').onclick=function(){keep(true);};
el('alone').onclick=function(){keep(false);};
var pending=null;try{pending=localStorage.getItem(key);}catch(e){}
if(pending){say('Sending again...');send();}else show('entry');
})();
</script>)";

} // namespace

std::string phonePage(const Table& table, const std::vector<std::string>& teams) {
    std::string out;
    PageText page(out);
    appendHead(page, "Table " + std::to_string(table.number));
    page.text("<h1>Table ").number(table.number).line("</h1>");
    page.line("<div id=\"entry\" class=\"step\">");
    appendTeam(page, 1, table, teams);
    appendTeam(page, 2, table, teams);
    page.line("<p id=\"problem\"></p><button id=\"next\">Next</button></div>");
    page.line("<div id=\"summary\" class=\"step\"><p>Please check, other team:</p>");
    page.line("<p id=\"check\" class=\"team\"></p>");
    page.line("<button id=\"both\">Confirmed by the other team</button>");
    page.line("<p><button id=\"alone\">Send; the other team enters it on its own phone</button>"
              "</p><button id=\"back\">Back</button></div>");
    page.line("<div id=\"status\" class=\"step\"><p id=\"message\"></p></div>");
    std::string code(script);
    const auto put = [&code](std::string_view name, int value) {
        code.replace(code.find(name), name.size(), std::to_string(value));
    };
    put("MAX", maximumScore);
    put("RESEND", resendMilliseconds);
    page.text(code).line("</body></html>");
    return out;
}

std::string closedPage(bool saved) {
    std::string out;
    PageText page(out);
    appendHead(page, "Table");
    page.line(saved ? "<p>This table's result is saved. Thank you.</p>"
                    : "<p>This link is not open: ask the organiser for this round's card.</p>");
    page.line("</body></html>");
    return out;
}

} // namespace corvane::tables
