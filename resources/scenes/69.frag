// Placeholder: four channels in quadrants.

#ifdef GL_ES
precision mediump float;
#endif

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy;
    vec2 q = fract(uv * 2.0);
    vec2 s = iChannelResolution[1].xy / max(iChannelResolution[1].y, 1.0);
    q.x *= s.x / max(s.x, 1.0);
    vec3 c;
    if (uv.x < 0.5) c = uv.y < 0.5 ? texture2D(iChannel0, q).rgb : texture2D(iChannel1, q).rgb;
    else c = uv.y < 0.5 ? texture2D(iChannel2, q).rgb : texture2D(iChannel5, q).rgb;
    c *= 0.75 + 0.25 * sin(iGlobalTime * 2.0 + uv.y * 10.0);
    gl_FragColor = vec4(c, 1.0);
}
