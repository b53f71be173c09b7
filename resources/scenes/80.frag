// Placeholder: five channels in bands.

#ifdef GL_ES
precision mediump float;
#endif

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy;
    float band = floor(fract(uv.x + 0.02 * iGlobalTime) * 5.0);
    vec3 c;
    if (band < 1.0) c = texture2D(iChannel1, uv).rgb;
    else if (band < 2.0) c = texture2D(iChannel2, uv).rgb;
    else if (band < 3.0) c = texture2D(iChannel4, uv).rgb;
    else if (band < 4.0) c = texture2D(iChannel6, uv).rgb;
    else c = texture2D(iChannel7, uv).rgb;
    gl_FragColor = vec4(c, 1.0);
}
